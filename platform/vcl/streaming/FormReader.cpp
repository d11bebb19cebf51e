#include "platform/vcl/streaming/FormReader.h"

#include <algorithm>
#include <stdexcept>

#include "platform/vcl/core/Collection.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Filer.h"
#include "platform/vcl/streaming/FormParser.h"
#include "platform/vcl/core/Resources.h"
#include "platform/vcl/core/SysUtils.h"
#include "platform/vcl/core/TypInfo.h"

namespace {

// An error that already names the file and line.
class ELocatedReadError : public EReadError {
public:
    using EReadError::EReadError;
};

// Hands one stored value to the DefineProperties handler of the same name.
class ReaderFiler : public TFiler {
public:
    ReaderFiler(const std::string& name, const TFormValue& value) : m_name(name), m_value(value) {}
    void DefineProperty(const std::string& name, const ReadProc& read, const WriteProc&,
                        bool) override {
        if (m_handled || !SameText(name, m_name)) return;
        m_handled = true;
        read(m_value);
    }
    bool Handled() const { return m_handled; }

private:
    const std::string& m_name;
    const TFormValue& m_value;
    bool m_handled = false;
};

std::string Choices(const TEnumInfo& info) {
    std::string text;
    for (const std::string& v : info.Values) text += (text.empty() ? "" : ", ") + v;
    return text;
}

}  // namespace

TFormReader::TFormReader(std::string fileName) : m_fileName(std::move(fileName)) {}

void TFormReader::Error(int line, const std::string& message) const {
    throw ELocatedReadError(TFormParser::Where(m_fileName, line, message));
}

void TFormReader::ReadRootComponent(TComponent& Root, std::string_view Text) {
    ReadRootComponent(Root, TFormParser(Text, m_fileName).ParseDescription());
}

TComponent* TFormReader::ReadComponent(std::string_view Text, TComponent* Owner) {
    const TFormObject description = TFormParser(Text, m_fileName).ParseDescription();
    const TClassInfo* info = GetClass(description.ClassName);
    if (!info || !info->CreateComponent)
        Error(description.Line,
              "expected a registered component class, found '" + description.ClassName + "'");
    TComponent* root = info->CreateComponent(Owner);
    try {
        ReadRootComponent(*root, description);
    } catch (...) {
        delete root;
        throw;
    }
    return root;
}

void TFormReader::ReadRootComponent(TComponent& Root, const TFormObject& Description) {
    if (!Root.ClassInfo().InheritsFrom(Description.ClassName))
        Error(Description.Line, "expected an object of class " + Root.ClassName() + ", found " +
                                    Description.ClassName);
    m_root = &Root;
    m_loaded.clear();
    m_fixups.clear();
    try {
        if (!Description.Name.empty() && Root.GetName().empty()) Root.SetName(Description.Name);
        ReadObject(Root, Description);
        ResolveFixups();
    } catch (...) {
        for (TComponent* c : m_loaded) {
            c->SetComponentStateFlag(csReading, false);
            c->SetComponentStateFlag(csLoading, false);
        }
        throw;
    }
    for (TComponent* c : m_loaded) c->SetComponentStateFlag(csReading, false);
    for (TComponent* c : m_loaded) {
        c->Loaded();
        c->SetComponentStateFlag(csLoading, false);
    }
}

void TFormReader::ReadObject(TComponent& component, const TFormObject& description) {
    component.SetComponentStateFlag(csLoading, true);
    component.SetComponentStateFlag(csReading, true);
    m_loaded.push_back(&component);
    ApplyProperties(component, description.Properties);
    for (const TFormObject& child : description.Children)
        ReadObject(*CreateChild(child, component), child);
}

TComponent* TFormReader::CreateChild(const TFormObject& description, TComponent& parent) {
    TComponent* child = m_root->FindComponent(description.Name);
    if (child && std::find(m_loaded.begin(), m_loaded.end(), child) != m_loaded.end())
        Error(description.Line, "A component named " + description.Name + " already exists");
    if (child && !SameText(child->ClassName(), description.ClassName))
        Error(description.Line, "expected " + description.Name + " to be a " + child->ClassName() +
                                    " as the form created it, found " + description.ClassName);
    if (!child) {
        const TClassInfo* info = GetClass(description.ClassName);
        if (!info)
            Error(description.Line,
                  "expected a registered class, found '" + description.ClassName + "'");
        if (!info->CreateComponent)
            Error(description.Line, "expected a component class, found " + description.ClassName +
                                        ", which cannot be created here");
        child = info->CreateComponent(m_root);
        try {
            child->AfterConstruction();
            child->SetName(description.Name);
        } catch (const Exception& e) {
            delete child;
            Error(description.Line, e.Message());
        }
        if (const TFieldInfo* field = m_root->ClassInfo().FindField(description.Name))
            if (!field->Assign(*m_root, child))
                Error(description.Line, "expected field " + field->Name + " of " +
                                            m_root->ClassName() + " to be able to hold a " +
                                            description.ClassName);
    }
    try {
        child->SetParentComponent(&parent);
    } catch (const ELocatedReadError&) {
        throw;
    } catch (const Exception& e) {
        Error(description.Line, e.Message());
    }
    return child;
}

void TFormReader::ApplyProperties(TPersistent& instance,
                                  const std::vector<TFormProperty>& properties) {
    for (const TFormProperty& property : properties) {
        try {
            ApplyProperty(instance, property);
        } catch (const ELocatedReadError&) {
            throw;
        } catch (const Exception& e) {
            Error(property.Line, "error reading " + property.Name + ": " + e.Message());
        } catch (const std::runtime_error& e) {
            // What a property's own reader throws (a damaged embedded theme or picture) is
            // a reading error at this line like any other.
            Error(property.Line, "error reading " + property.Name + ": " + e.what());
        }
    }
}

void TFormReader::ApplyProperty(TPersistent& instance, const TFormProperty& property) {
    TPersistent* target = &instance;
    std::string_view path = property.Name;
    for (auto dot = path.find('.'); dot != std::string_view::npos; dot = path.find('.')) {
        const std::string head(path.substr(0, dot));
        const TPropInfo* info = target->ClassInfo().FindProperty(head);
        if (!info)
            Error(property.Line,
                  "expected a property of " + target->ClassName() + ", found '" + head + "'");
        auto* next = info->Kind == TPropKind::Persistent
                         ? dynamic_cast<TPersistent*>(info->GetObject(*target))
                         : nullptr;
        if (!next)
            Error(property.Line, "expected " + head + " to hold an object with sub-properties");
        target = next;
        path.remove_prefix(dot + 1);
    }
    const std::string name(path);
    ReaderFiler filer(name, property.Value);
    target->DefineProperties(filer);
    if (filer.Handled()) return;
    const TPropInfo* info = target->ClassInfo().FindProperty(name);
    if (!info)
        Error(property.Line,
              "expected a property of " + target->ClassName() + ", found '" + name + "'");
    SetValue(*target, *info, property.Value);
}

std::int64_t TFormReader::OrdinalValue(const TPropInfo& info, const TFormValue& value) const {
    using Kind = TFormValue::Kind;
    std::int64_t v = 0;
    switch (info.Kind) {
        case TPropKind::Integer:
            if (value.Type == Kind::Integer) return value.Integer;
            if (value.Type == Kind::Ident && info.Idents && IdentToInt(*info.Idents, value.Text, v))
                return v;
            Error(value.Line,
                  "expected an integer for " + info.Name + ", found " + value.Describe());
        case TPropKind::Color:
            if (value.Type == Kind::Integer) return static_cast<std::int32_t>(value.Integer);
            if (value.Type == Kind::Ident && IdentToInt(ColorIdents(), value.Text, v)) return v;
            Error(value.Line, "expected a colour for " + info.Name + ", found " + value.Describe());
        case TPropKind::Boolean:
            if (value.Type == Kind::Ident && SameText(value.Text, "True")) return 1;
            if (value.Type == Kind::Ident && SameText(value.Text, "False")) return 0;
            Error(value.Line,
                  "expected True or False for " + info.Name + ", found " + value.Describe());
        case TPropKind::Enumeration:
            if (value.Type == Kind::Ident && (v = info.Enum->IndexOf(value.Text)) >= 0) return v;
            Error(value.Line, "expected one of " + Choices(*info.Enum) + " for " + info.Name +
                                  ", found " + value.Describe());
        case TPropKind::Set:
            if (value.Type != Kind::Set)
                Error(value.Line,
                      "expected a set [ ... ] for " + info.Name + ", found " + value.Describe());
            for (const std::string& element : value.Elements) {
                const int ordinal = info.Enum->IndexOf(element);
                if (ordinal < 0)
                    Error(value.Line, "expected one of " + Choices(*info.Enum) + " in " +
                                          info.Name + ", found '" + element + "'");
                v |= std::int64_t{1} << ordinal;
            }
            return v;
        default:
            break;
    }
    Error(value.Line, "expected an ordinal property, found " + info.Name);
}

void TFormReader::SetValue(TPersistent& instance, const TPropInfo& info, const TFormValue& value) {
    using Kind = TFormValue::Kind;
    auto readOnly = [&] {
        Error(value.Line, "expected a writable property, " + info.Name + " is read-only");
    };
    if (info.IsOrdinal()) {
        const std::int64_t v = OrdinalValue(info, value);
        if (!info.SetOrd) readOnly();
        return info.SetOrd(instance, v);
    }
    switch (info.Kind) {
        case TPropKind::String:
            if (value.Type != Kind::String)
                Error(value.Line,
                      "expected a string for " + info.Name + ", found " + value.Describe());
            if (!info.SetStr) readOnly();
            return info.SetStr(instance, value.Text);
        case TPropKind::Float:
            if (value.Type != Kind::Float && value.Type != Kind::Integer)
                Error(value.Line,
                      "expected a number for " + info.Name + ", found " + value.Describe());
            if (!info.SetFloat) readOnly();
            return info.SetFloat(instance, value.Type == Kind::Float
                                               ? value.Float
                                               : static_cast<double>(value.Integer));
        case TPropKind::Reference:
            if (value.Type != Kind::Ident)
                Error(value.Line,
                      "expected a component name for " + info.Name + ", found " + value.Describe());
            if (!info.SetObject) readOnly();
            if (SameText(value.Text, "nil")) return info.SetObject(instance, nullptr);
            m_fixups.push_back({&instance, &info, value.Text, value.Line});
            return;
        case TPropKind::Event:
            if (value.Type != Kind::Ident)
                Error(value.Line,
                      "expected a method name for " + info.Name + ", found " + value.Describe());
            if (SameText(value.Text, "nil")) return info.GetEvent(instance).Clear();
            if (const TMethodInfo* method = m_root->ClassInfo().FindMethod(value.Text)) {
                if (!info.GetEvent(instance).Bind(method->Binder, m_root, method->Name))
                    Error(value.Line, "expected a method of the type of " + info.Name + ", " +
                                          method->Name + " has another");
                return;
            }
            Error(value.Line, "expected a published method of " + m_root->ClassName() + " for " +
                                  info.Name + ", found '" + value.Text + "'");
        case TPropKind::Persistent: {
            auto* collection = dynamic_cast<TCollection*>(info.GetObject(instance));
            if (!collection || value.Type != Kind::Collection)
                Error(value.Line, "expected sub-properties (" + info.Name + ".Name = ...) of " +
                                      info.Name + ", found " + value.Describe());
            collection->BeginUpdate();
            try {
                collection->Clear();
                for (const TFormItem& item : value.Items)
                    ApplyProperties(*collection->Add(), item.Properties);
            } catch (...) {
                collection->EndUpdate();
                throw;
            }
            collection->EndUpdate();
            return;
        }
        default:
            break;
    }
}

TComponent* TFormReader::FindReferenced(const std::string& name) const {
    const auto dot = name.find('.');
    if (dot == std::string::npos)
        return SameText(m_root->GetName(), name) ? m_root : m_root->FindComponent(name);
    // Owner.Component: a component of another form, found through the root's owner.
    const std::string ownerName = name.substr(0, dot);
    TComponent* owner = SameText(m_root->GetName(), ownerName) ? m_root : nullptr;
    if (!owner && m_root->Owner()) owner = m_root->Owner()->FindComponent(ownerName);
    return owner ? owner->FindComponent(name.substr(dot + 1)) : nullptr;
}

void TFormReader::ResolveFixups() {
    for (const Fixup& f : m_fixups) {
        TComponent* target = FindReferenced(f.name);
        if (!target)
            Error(f.line, "expected the name of a component for " + f.info->Name + ", found '" +
                              f.name + "'");
        try {
            f.info->SetObject(*f.instance, target);
        } catch (const Exception& e) {
            Error(f.line, "error reading " + f.info->Name + ": " + e.Message());
        }
    }
    m_fixups.clear();
}

bool ReadComponentResource(TComponent& Root, std::string_view ResourceName) {
    const auto data = FindResource(ResourceName);
    if (!data) return false;
    const std::string_view text(reinterpret_cast<const char*>(data->data()), data->size());
    TFormReader(std::string(ResourceName)).ReadRootComponent(Root, text);
    return true;
}
