#pragma once
// Events: a callable plus, when bound from a form description, the name of the published
// method it was bound to, so that the form can be written back.
#include <any>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

class TObject;

// The part of an event that the streaming system sees without knowing its signature.
class TEventBase {
public:
    virtual ~TEventBase() = default;
    virtual bool Assigned() const = 0;
    virtual void Clear() = 0;
    // Binds to a published method of instance; false when the binder is for another
    // signature.
    virtual bool Bind(const std::any& binder, TObject* instance, const std::string& name) = 0;
    const std::string& HandlerName() const { return m_handlerName; }

protected:
    std::string m_handlerName;
};

template <class Signature>
class TEvent;

template <class R, class... Args>
class TEvent<R(Args...)> final : public TEventBase {
public:
    using Function = std::function<R(Args...)>;
    // What a method table stores for a method of this signature: given the instance, the
    // callable that runs the method on it.
    using Binder = std::function<Function(TObject*)>;
    template <class F>
    static constexpr bool Accepts =
        std::is_constructible_v<Function, F> && !std::is_same_v<std::remove_cvref_t<F>, TEvent>;

    TEvent() = default;
    // Any callable of the signature; another TEvent is copied, not wrapped, so that its
    // handler name comes along.
    template <class F, class = std::enable_if_t<Accepts<F>>>
    TEvent(F&& f) : m_function(std::forward<F>(f)) {}

    template <class F, class = std::enable_if_t<Accepts<F>>>
    TEvent& operator=(F&& f) {
        m_function = std::forward<F>(f);
        m_handlerName.clear();
        return *this;
    }
    TEvent& operator=(std::nullptr_t) {
        Clear();
        return *this;
    }

    explicit operator bool() const { return static_cast<bool>(m_function); }
    R operator()(Args... args) const { return m_function(std::forward<Args>(args)...); }

    bool Assigned() const override { return static_cast<bool>(m_function); }
    void Clear() override {
        m_function = nullptr;
        m_handlerName.clear();
    }
    bool Bind(const std::any& binder, TObject* instance, const std::string& name) override {
        const Binder* b = std::any_cast<Binder>(&binder);
        if (!b) return false;
        m_function = (*b)(instance);
        m_handlerName = name;
        return true;
    }

private:
    Function m_function;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;
