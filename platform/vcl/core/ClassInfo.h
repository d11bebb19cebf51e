#pragma once
// Class information: a class's name, base, published properties in stored order, and for
// form classes the component fields and methods that a form description binds by name.
#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/vcl/core/Object.h"

class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
class TEventBase;

// The names of an enumeration's values, in ordinal order from 0.
struct TEnumInfo {
    std::string Name;
    std::vector<std::string> Values;

    // The ordinal of a value name (compared without case), or -1.
    int IndexOf(std::string_view value) const;
    const std::string& NameOf(std::int64_t ordinal) const;
};

// Integer values that have names in a form description (colours, cursors, charsets).
using TIdentMap = std::vector<std::pair<std::int64_t, std::string>>;
bool IdentToInt(const TIdentMap& map, std::string_view ident, std::int64_t& value);
const std::string* IntToIdent(const TIdentMap& map, std::int64_t value);

enum class TPropKind {
    Integer,
    Boolean,
    Enumeration,
    Set,
    String,
    Color,
    Float,
    Reference,   // a component held elsewhere, written by name
    Persistent,  // an owned object (font, string list, collection) with sub-properties
    Event,
};

struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Integer;
    bool Published = true;
    const TEnumInfo* Enum = nullptr;    // Enumeration; the element type of a Set
    const TIdentMap* Idents = nullptr;  // Integer and Color
    // Reference and Persistent; a function, since a class may refer to its own kind.
    const TClassInfo& (*ClassType)() = nullptr;

    // Integer, Boolean, Enumeration, Set (a mask with bit n for ordinal n) and Color.
    std::function<std::int64_t(TPersistent&)> GetOrd;
    std::function<void(TPersistent&, std::int64_t)> SetOrd;
    std::function<std::string(TPersistent&)> GetStr;
    std::function<void(TPersistent&, const std::string&)> SetStr;
    std::function<double(TPersistent&)> GetFloat;
    std::function<void(TPersistent&, double)> SetFloat;
    // Reference and Persistent; a Persistent property without a setter is assigned to.
    std::function<TObject*(TPersistent&)> GetObject;
    std::function<void(TPersistent&, TObject*)> SetObject;
    std::function<TEventBase&(TPersistent&)> GetEvent;

    std::optional<std::int64_t> OrdDefault;  // no default: always stored
    double FloatDefault = 0;
    // Overrides the rule that a value equal to its default is not stored.
    std::function<bool(TPersistent&)> StoredFn;

    bool IsOrdinal() const;
    bool IsStored(TPersistent& instance) const;
};

// A published component field of a form class; Assign returns false when the component is
// not of the field's type.
struct TFieldInfo {
    std::string Name;
    std::function<bool(TComponent& root, TComponent* value)> Assign;
};

// A published method: Binder is the TEvent<Signature>::Binder of its signature.
struct TMethodInfo {
    std::string Name;
    std::any Binder;
};

class TClassInfo {
public:
    // Starts with the base's properties (in their order), fields and methods.
    TClassInfo(std::string name, const TClassInfo* parent);
    TClassInfo(TClassInfo&&) = default;
    TClassInfo& operator=(TClassInfo&&) = default;

    const std::string& Name() const { return m_name; }
    const TClassInfo* Parent() const { return m_parent; }
    bool InheritsFrom(const TClassInfo& other) const;
    bool InheritsFrom(std::string_view className) const;

    // Every property, published or not, in stored order.
    const std::vector<const TPropInfo*>& Properties() const { return m_properties; }
    const TPropInfo* FindProperty(std::string_view name, bool publishedOnly = true) const;
    const TFieldInfo* FindField(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    const std::vector<TMethodInfo>& Methods() const { return m_methods; }

    // Constructors for the ways the framework creates objects; empty when not possible.
    std::function<TComponent*(TComponent* owner)> CreateComponent;
    std::function<TCollectionItem*(TCollection* collection)> CreateItem;
    std::function<TPersistent*()> CreatePersistent;

    // Building: a new property replaces an inherited one of the same name and goes last;
    // Publish moves an inherited property to the end and publishes it.
    void AddProperty(TPropInfo info);
    void Publish(std::string_view name);
    void AddField(TFieldInfo info);
    void AddMethod(TMethodInfo info);
    TPropInfo& Property(std::string_view name);
    TPropInfo& LastProperty() { return Own(m_properties.back()); }

private:
    // The class's own copy of an entry, made when an inherited one is first changed.
    TPropInfo& Own(const TPropInfo*& entry);

    std::string m_name;
    const TClassInfo* m_parent;
    // Inherited entries point into the base's own ones: a class lives as long as the
    // program, and a copy of every base's entries in every class would cost megabytes.
    std::vector<const TPropInfo*> m_properties;
    std::vector<std::unique_ptr<TPropInfo>> m_ownProperties;
    std::vector<TFieldInfo> m_fields;
    std::vector<TMethodInfo> m_methods;
};

// The class registry that form descriptions create their components from.
void RegisterClass(const TClassInfo& info);
void RegisterClasses(std::initializer_list<const TClassInfo*> infos);
// Registers a class by name only: its class information (and its bases') is built when a
// description first asks for it, so a program pays for the classes its forms use.
void RegisterClass(std::string_view name, const TClassInfo& (*classInfo)());
template <class... T>
void RegisterClassesOf() {
    (RegisterClass(T::StaticClassName(), &T::StaticClassInfo), ...);
}
// The names registered, in name order.
std::vector<std::string> RegisteredClassNames();
const TClassInfo* GetClass(std::string_view name);
// Like GetClass, but raises EClassNotFound.
const TClassInfo& FindClass(std::string_view name);
