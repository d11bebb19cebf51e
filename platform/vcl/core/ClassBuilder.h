#pragma once
// Builds a class's information: its published properties with typed accessors, and for form
// classes the component fields and methods bound by name. Used in .cpp files:
//
//     const TClassInfo& TMyComponent::StaticClassInfo() {
//         static const TClassInfo info = TClassBuilder<TMyComponent>("TMyComponent")
//             .Integer("Count", &TMyComponent::GetCount, &TMyComponent::SetCount, 0)
//             .Build();
//         return info;
//     }
#include <functional>
#include <optional>
#include <string>
#include <type_traits>

#include "platform/gfx/Color.h"
#include "platform/vcl/core/ClassInfo.h"
#include "platform/vcl/core/Collection.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/SysUtils.h"

template <class T>
class TClassBuilder {
public:
    explicit TClassBuilder(std::string name) : m_info(std::move(name), ParentInfo()) {
        if constexpr (!std::is_abstract_v<T>) {
            if constexpr (std::is_base_of_v<TComponent, T> &&
                          std::is_constructible_v<T, TComponent*>)
                m_info.CreateComponent = [](TComponent* owner) -> TComponent* {
                    return new T(owner);
                };
            if constexpr (std::is_base_of_v<TCollectionItem, T> &&
                          std::is_constructible_v<T, TCollection*>)
                m_info.CreateItem = [](TCollection* c) -> TCollectionItem* { return new T(c); };
            if constexpr (std::is_base_of_v<TPersistent, T> && std::is_default_constructible_v<T>)
                m_info.CreatePersistent = []() -> TPersistent* { return new T(); };
        }
    }

    TClassInfo Build() { return std::move(m_info); }

    template <class G, class S>
    TClassBuilder& Integer(std::string name, G get, S set,
                           std::optional<std::int64_t> def = std::nullopt,
                           const TIdentMap* idents = nullptr) {
        TPropInfo& p = AddOrdinal(std::move(name), TPropKind::Integer, get, set);
        p.OrdDefault = def;
        p.Idents = idents;
        return *this;
    }
    template <class G, class S>
    TClassBuilder& Boolean(std::string name, G get, S set, std::optional<bool> def = false) {
        TPropInfo& p = AddOrdinal(std::move(name), TPropKind::Boolean, get, set);
        if (def) p.OrdDefault = *def ? 1 : 0;
        return *this;
    }
    // An enumeration written by value name; def is the default value (or none).
    template <class G, class S, class E = std::remove_cvref_t<std::invoke_result_t<G, T&>>>
    TClassBuilder& Enum(std::string name, const TEnumInfo& type, G get, S set,
                        std::optional<std::type_identity_t<E>> def = std::nullopt) {
        TPropInfo& p = AddOrdinal(std::move(name), TPropKind::Enumeration, get, set);
        p.Enum = &type;
        if (def) p.OrdDefault = static_cast<std::int64_t>(*def);
        return *this;
    }
    // A set of element's values: bit n of the mask stands for ordinal n.
    template <class G, class S>
    TClassBuilder& Set(std::string name, const TEnumInfo& element, G get, S set,
                       std::optional<std::int64_t> def = 0) {
        TPropInfo& p = AddOrdinal(std::move(name), TPropKind::Set, get, set);
        p.Enum = &element;
        p.OrdDefault = def;
        return *this;
    }
    template <class G, class S>
    TClassBuilder& Color(std::string name, G get, S set, std::optional<TColor> def = std::nullopt) {
        TPropInfo& p = AddOrdinal(std::move(name), TPropKind::Color, get, set);
        if (def) p.OrdDefault = *def;
        return *this;
    }
    template <class G, class S>
    TClassBuilder& String(std::string name, G get, S set) {
        TPropInfo& p = Add(std::move(name), TPropKind::String);
        p.GetStr = [get](TPersistent& o) { return std::string(std::invoke(get, Self(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetStr = [set](TPersistent& o, const std::string& v) {
                std::invoke(set, Self(o), v);
            };
        return *this;
    }
    template <class G, class S>
    TClassBuilder& Float(std::string name, G get, S set, double def = 0) {
        TPropInfo& p = Add(std::move(name), TPropKind::Float);
        p.FloatDefault = def;
        p.GetFloat = [get](TPersistent& o) {
            return static_cast<double>(std::invoke(get, Self(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>) {
            using V = std::remove_cvref_t<std::invoke_result_t<G, T&>>;
            p.SetFloat = [set](TPersistent& o, double v) {
                std::invoke(set, Self(o), static_cast<V>(v));
            };
        }
        return *this;
    }
    // A component held elsewhere: get returns a pointer to it, set takes one.
    template <class G, class S>
    TClassBuilder& Reference(std::string name, G get, S set) {
        using P = std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G, T&>>>;
        TPropInfo& p = Add(std::move(name), TPropKind::Reference);
        p.ClassType = &P::StaticClassInfo;
        p.GetObject = [get](TPersistent& o) -> TObject* { return std::invoke(get, Self(o)); };
        p.SetObject = [set, n = p.Name](TPersistent& o, TObject* v) {
            P* value = nullptr;
            if (v && !(value = dynamic_cast<P*>(v)))
                throw EPropertyError("a " + v->ClassName() + " cannot be assigned to " + n +
                                     ", which holds a " + P::StaticClassInfo().Name());
            std::invoke(set, Self(o), value);
        };
        return *this;
    }
    // An object this one owns; setting the property assigns to it.
    template <class G>
    TClassBuilder& Persistent(std::string name, G get) {
        using P = std::remove_pointer_t<std::remove_cvref_t<std::invoke_result_t<G, T&>>>;
        TPropInfo& p = Add(std::move(name), TPropKind::Persistent);
        p.ClassType = &P::StaticClassInfo;
        p.GetObject = [get](TPersistent& o) -> TObject* { return std::invoke(get, Self(o)); };
        return *this;
    }
    // An event: member is a TEvent data member, or a function returning one by reference.
    template <class M>
    TClassBuilder& Event(std::string name, M member) {
        TPropInfo& p = Add(std::move(name), TPropKind::Event);
        p.GetEvent = [member](TPersistent& o) -> TEventBase& {
            return std::invoke(member, Self(o));
        };
        return *this;
    }
    // A published component field of a form class.
    template <class C, class F>
    TClassBuilder& Field(std::string name, F* C::*member) {
        m_info.AddField({std::move(name), [member](TComponent& root, TComponent* value) {
                             F* typed = nullptr;
                             if (value && !(typed = dynamic_cast<F*>(value))) return false;
                             dynamic_cast<C&>(root).*member = typed;
                             return true;
                         }});
        return *this;
    }
    // A published method that events in the form's description can be bound to.
    template <class C, class R, class... Args>
    TClassBuilder& Method(std::string name, R (C::*method)(Args...)) {
        using Binder = typename TEvent<R(Args...)>::Binder;
        Binder binder = [method](TObject* instance) {
            C* target = dynamic_cast<C*>(instance);
            if (!target)
                throw EPropertyError("a method of " + C::StaticClassInfo().Name() +
                                     " was bound to a different class");
            return std::function<R(Args...)>([target, method](Args... args) -> R {
                return (target->*method)(std::forward<Args>(args)...);
            });
        };
        m_info.AddMethod({std::move(name), std::move(binder)});
        return *this;
    }

    // Adjust the property added last.
    TClassBuilder& Stored(std::function<bool(T&)> stored) {
        Last().StoredFn = [stored](TPersistent& o) { return stored(Self(o)); };
        return *this;
    }
    TClassBuilder& NotStored() {
        Last().StoredFn = [](TPersistent&) { return false; };
        return *this;
    }
    // Public but not published: a descendant may publish it.
    TClassBuilder& Hidden() {
        Last().Published = false;
        return *this;
    }
    TClassBuilder& Publish(std::string_view name) {
        m_info.Publish(name);
        return *this;
    }

private:
    static const TClassInfo* ParentInfo() {
        if constexpr (std::is_same_v<T, TObject>)
            return nullptr;
        else
            return &T::inherited::StaticClassInfo();
    }
    static T& Self(TPersistent& o) { return static_cast<T&>(o); }

    TPropInfo& Add(std::string name, TPropKind kind) {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        m_info.AddProperty(std::move(p));
        return Last();
    }
    TPropInfo& Last() { return m_info.LastProperty(); }

    template <class G, class S>
    TPropInfo& AddOrdinal(std::string name, TPropKind kind, G get, S set) {
        using V = std::remove_cvref_t<std::invoke_result_t<G, T&>>;
        TPropInfo& p = Add(std::move(name), kind);
        p.GetOrd = [get](TPersistent& o) {
            return static_cast<std::int64_t>(std::invoke(get, Self(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>) {
            p.SetOrd = [set](TPersistent& o, std::int64_t v) {
                if constexpr (std::is_same_v<V, bool>)
                    std::invoke(set, Self(o), v != 0);
                else
                    std::invoke(set, Self(o), static_cast<V>(v));
            };
        }
        return p;
    }

    TClassInfo m_info;
};
