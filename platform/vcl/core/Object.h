#pragma once
// The root of the class framework: every class knows its class information, which names it
// and lists its published properties.
#include <string>

class TClassInfo;

// Declares a framework class: its base (as "inherited", the VCL's word) and its class
// information. Put it first in the class body; the .cpp defines StaticClassInfo().
#define QV_DECLARE_CLASS(Class, Base)                 \
public:                                               \
    using inherited = Base;                           \
    static constexpr const char* StaticClassName() {  \
        return #Class;                                \
    }                                                 \
    static const TClassInfo& StaticClassInfo();       \
    const TClassInfo& ClassInfo() const override {    \
        return StaticClassInfo();                     \
    }

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

    const std::string& ClassName() const;
    bool InheritsFrom(const TClassInfo& other) const;
};
