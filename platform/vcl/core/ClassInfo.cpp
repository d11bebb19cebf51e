#include "platform/vcl/core/ClassInfo.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Persistent.h"
#include "platform/vcl/core/SysUtils.h"

int TEnumInfo::IndexOf(std::string_view value) const {
    for (std::size_t i = 0; i < Values.size(); ++i)
        if (SameText(Values[i], value)) return static_cast<int>(i);
    return -1;
}

const std::string& TEnumInfo::NameOf(std::int64_t ordinal) const {
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(Values.size()))
        throw EPropertyError("value " + IntToStr(ordinal) + " is out of range for " + Name);
    return Values[static_cast<std::size_t>(ordinal)];
}

bool IdentToInt(const TIdentMap& map, std::string_view ident, std::int64_t& value) {
    for (const auto& [v, name] : map)
        if (SameText(name, ident)) {
            value = v;
            return true;
        }
    return false;
}

const std::string* IntToIdent(const TIdentMap& map, std::int64_t value) {
    for (const auto& [v, name] : map)
        if (v == value) return &name;
    return nullptr;
}

bool TPropInfo::IsOrdinal() const {
    return Kind == TPropKind::Integer || Kind == TPropKind::Boolean ||
           Kind == TPropKind::Enumeration || Kind == TPropKind::Set || Kind == TPropKind::Color;
}

bool TPropInfo::IsStored(TPersistent& instance) const {
    if (StoredFn && !StoredFn(instance)) return false;
    if (IsOrdinal()) return !OrdDefault || GetOrd(instance) != *OrdDefault;
    switch (Kind) {
        case TPropKind::String:
            return !GetStr(instance).empty();
        case TPropKind::Float:
            return GetFloat(instance) != FloatDefault;
        case TPropKind::Reference:
            return GetObject(instance) != nullptr;
        case TPropKind::Event: {
            const TEventBase& event = GetEvent(instance);
            return event.Assigned() && !event.HandlerName().empty();
        }
        default:
            return true;
    }
}

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent)
    : m_name(std::move(name)), m_parent(parent) {
    if (parent) {
        m_properties = parent->m_properties;
        m_fields = parent->m_fields;
        m_methods = parent->m_methods;
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->m_parent)
        if (c == &other) return true;
    return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
    for (const TClassInfo* c = this; c; c = c->m_parent)
        if (SameText(c->m_name, className)) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name, bool publishedOnly) const {
    for (const TPropInfo* p : m_properties)
        if (SameText(p->Name, name) && (p->Published || !publishedOnly)) return p;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
    for (const TFieldInfo& f : m_fields)
        if (SameText(f.Name, name)) return &f;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    for (const TMethodInfo& m : m_methods)
        if (SameText(m.Name, name)) return &m;
    return nullptr;
}

void TClassInfo::AddProperty(TPropInfo info) {
    std::erase_if(m_properties, [&](const TPropInfo* p) { return SameText(p->Name, info.Name); });
    std::erase_if(m_ownProperties, [&](const std::unique_ptr<TPropInfo>& p) {
        return SameText(p->Name, info.Name);
    });
    m_ownProperties.push_back(std::make_unique<TPropInfo>(std::move(info)));
    m_properties.push_back(m_ownProperties.back().get());
}

TPropInfo& TClassInfo::Own(const TPropInfo*& entry) {
    for (const std::unique_ptr<TPropInfo>& own : m_ownProperties)
        if (own.get() == entry) return *own;
    m_ownProperties.push_back(std::make_unique<TPropInfo>(*entry));
    entry = m_ownProperties.back().get();
    return *m_ownProperties.back();
}

TPropInfo& TClassInfo::Property(std::string_view name) {
    for (const TPropInfo*& p : m_properties)
        if (SameText(p->Name, name)) return Own(p);
    throw EPropertyError(m_name + " has no property " + std::string(name));
}

void TClassInfo::Publish(std::string_view name) {
    const TPropInfo* inherited = FindProperty(name, false);
    if (!inherited) throw EPropertyError(m_name + " has no property " + std::string(name));
    TPropInfo info = *inherited;
    info.Published = true;
    AddProperty(std::move(info));
}

void TClassInfo::AddField(TFieldInfo info) {
    std::erase_if(m_fields, [&](const TFieldInfo& f) { return SameText(f.Name, info.Name); });
    m_fields.push_back(std::move(info));
}

void TClassInfo::AddMethod(TMethodInfo info) {
    std::erase_if(m_methods, [&](const TMethodInfo& m) { return SameText(m.Name, info.Name); });
    m_methods.push_back(std::move(info));
}

namespace {

struct Caseless {
    bool operator()(const std::string& a, const std::string& b) const {
        return CompareText(a, b) < 0;
    }
};

struct Registered {
    const TClassInfo* info = nullptr;
    const TClassInfo& (*build)() = nullptr;  // until info is known
};

std::map<std::string, Registered, Caseless>& Registry() {
    static std::map<std::string, Registered, Caseless> registry;
    return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& info) {
    Registry()[info.Name()] = {&info, nullptr};
}

void RegisterClasses(std::initializer_list<const TClassInfo*> infos) {
    for (const TClassInfo* info : infos) RegisterClass(*info);
}

void RegisterClass(std::string_view name, const TClassInfo& (*classInfo)()) {
    Registered& entry = Registry()[std::string(name)];
    if (entry.info && SameText(entry.info->Name(), name)) return;
    entry = {nullptr, classInfo};
}

std::vector<std::string> RegisteredClassNames() {
    std::vector<std::string> names;
    for (const auto& [name, entry] : Registry()) names.push_back(name);
    return names;
}

const TClassInfo* GetClass(std::string_view name) {
    auto it = Registry().find(std::string(name));
    if (it == Registry().end()) return nullptr;
    Registered& entry = it->second;
    if (!entry.info) {
        const TClassInfo& built = entry.build();
        // A class registered under another name than its information gives is a mistake in
        // the program, not in the description being read.
        if (!SameText(built.Name(), it->first))
            throw std::logic_error("the class registered as " + it->first + " calls itself " +
                                   built.Name());
        entry.info = &built;
    }
    return entry.info;
}

const TClassInfo& FindClass(std::string_view name) {
    if (const TClassInfo* info = GetClass(name)) return *info;
    throw EClassNotFound("Class " + std::string(name) + " not found");
}
