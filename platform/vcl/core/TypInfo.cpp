#include "platform/vcl/core/TypInfo.h"

#include <cstdio>

#include "platform/gfx/Color.h"
#include "platform/vcl/core/Component.h"
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/SysUtils.h"

namespace {

const TPropInfo& Need(TPersistent* Instance, std::string_view PropName) {
    if (!Instance)
        throw EPropertyError("no object to read property " + std::string(PropName) + " of");
    const TPropInfo* info = GetPropInfo(Instance, PropName);
    if (!info)
        throw EPropertyError("Property " + std::string(PropName) + " does not exist in " +
                             Instance->ClassName());
    return *info;
}

[[noreturn]] void WrongKind(const TPersistent* Instance, const TPropInfo& info,
                            const char* wanted) {
    throw EPropertyError("Property " + info.Name + " of " + Instance->ClassName() + " is not " +
                         wanted);
}

[[noreturn]] void ReadOnly(const TPersistent* Instance, const TPropInfo& info) {
    throw EPropertyError("Property " + info.Name + " of " + Instance->ClassName() +
                         " is read-only");
}

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view PropName) {
    return Instance ? Instance->ClassInfo().FindProperty(PropName) : nullptr;
}

bool IsHasProperty(const TObject* Instance, std::string_view PropName) {
    return GetPropInfo(Instance, PropName) != nullptr;
}

bool IsPublishedProp(const TObject* Instance, std::string_view PropName) {
    return IsHasProperty(Instance, PropName);
}

std::int64_t GetOrdProp(TPersistent* Instance, std::string_view PropName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (!info.IsOrdinal()) WrongKind(Instance, info, "an ordinal property");
    return info.GetOrd(*Instance);
}

void SetOrdProp(TPersistent* Instance, std::string_view PropName, std::int64_t Value) {
    const TPropInfo& info = Need(Instance, PropName);
    if (!info.IsOrdinal()) WrongKind(Instance, info, "an ordinal property");
    if (!info.SetOrd) ReadOnly(Instance, info);
    if (info.Kind == TPropKind::Enumeration) info.Enum->NameOf(Value);  // range check
    info.SetOrd(*Instance, Value);
}

std::string GetStrProp(TPersistent* Instance, std::string_view PropName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::String) WrongKind(Instance, info, "a string property");
    return info.GetStr(*Instance);
}

void SetStrProp(TPersistent* Instance, std::string_view PropName, const std::string& Value) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::String) WrongKind(Instance, info, "a string property");
    if (!info.SetStr) ReadOnly(Instance, info);
    info.SetStr(*Instance, Value);
}

double GetFloatProp(TPersistent* Instance, std::string_view PropName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Float) WrongKind(Instance, info, "a floating point property");
    return info.GetFloat(*Instance);
}

void SetFloatProp(TPersistent* Instance, std::string_view PropName, double Value) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Float) WrongKind(Instance, info, "a floating point property");
    if (!info.SetFloat) ReadOnly(Instance, info);
    info.SetFloat(*Instance, Value);
}

TObject* GetObjectProp(TPersistent* Instance, std::string_view PropName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Reference && info.Kind != TPropKind::Persistent)
        WrongKind(Instance, info, "an object property");
    return info.GetObject(*Instance);
}

void SetObjectProp(TPersistent* Instance, std::string_view PropName, TObject* Value) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind == TPropKind::Reference) {
        if (!info.SetObject) ReadOnly(Instance, info);
        info.SetObject(*Instance, Value);
    } else if (info.Kind == TPropKind::Persistent) {
        if (info.SetObject) return info.SetObject(*Instance, Value);
        auto* target = dynamic_cast<TPersistent*>(info.GetObject(*Instance));
        if (!target) ReadOnly(Instance, info);
        target->Assign(dynamic_cast<TPersistent*>(Value));
    } else {
        WrongKind(Instance, info, "an object property");
    }
}

std::string GetEnumProp(TPersistent* Instance, std::string_view PropName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Enumeration) WrongKind(Instance, info, "an enumeration property");
    return info.Enum->NameOf(info.GetOrd(*Instance));
}

void SetEnumProp(TPersistent* Instance, std::string_view PropName, std::string_view Value) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Enumeration) WrongKind(Instance, info, "an enumeration property");
    const int ordinal = info.Enum->IndexOf(Value);
    if (ordinal < 0)
        throw EPropertyError("'" + std::string(Value) + "' is not a value of " + info.Enum->Name);
    SetOrdProp(Instance, PropName, ordinal);
}

void SetMethodProp(TPersistent* Instance, std::string_view PropName, TComponent* Root,
                   const std::string& HandlerName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Event) WrongKind(Instance, info, "an event");
    TEventBase& event = info.GetEvent(*Instance);
    if (HandlerName.empty()) return event.Clear();
    const TMethodInfo* method = Root ? Root->ClassInfo().FindMethod(HandlerName) : nullptr;
    if (!method)
        throw EPropertyError("Method " + HandlerName + " does not exist in " +
                             (Root ? Root->ClassName() : std::string("the form")));
    if (!event.Bind(method->Binder, Root, method->Name))
        throw EPropertyError("Method " + HandlerName + " does not match the type of event " +
                             info.Name);
}

std::string GetMethodName(TPersistent* Instance, std::string_view PropName) {
    const TPropInfo& info = Need(Instance, PropName);
    if (info.Kind != TPropKind::Event) WrongKind(Instance, info, "an event");
    return info.GetEvent(*Instance).HandlerName();
}

TPropTarget ResolvePropPath(TPersistent* Instance, std::string_view PropPath) {
    TPersistent* target = Instance;
    while (true) {
        const auto dot = PropPath.find('.');
        const std::string_view head = PropPath.substr(0, dot);
        const TPropInfo& info = Need(target, head);
        if (dot == std::string_view::npos) return {target, &info};
        if (info.Kind != TPropKind::Persistent)
            throw EPropertyError("Property " + info.Name + " of " + target->ClassName() +
                                 " has no sub-properties");
        auto* next = dynamic_cast<TPersistent*>(info.GetObject(*target));
        if (!next) throw EPropertyError("Property " + info.Name + " holds no object");
        target = next;
        PropPath.remove_prefix(dot + 1);
    }
}

std::string SetToString(const TEnumInfo& Element, std::int64_t Mask, bool Brackets) {
    std::string text;
    for (std::size_t i = 0; i < Element.Values.size() && i < 64; ++i) {
        if (!(Mask & (std::int64_t{1} << i))) continue;
        if (!text.empty()) text += ',';
        text += Element.Values[i];
    }
    return Brackets ? "[" + text + "]" : text;
}

std::int64_t StringToSet(const TEnumInfo& Element, std::string_view Text) {
    Text = TrimView(Text);
    if (!Text.empty() && Text.front() == '[') {
        if (Text.back() != ']')
            throw EConvertError("expected ']' to close the set " + std::string(Text));
        Text = Text.substr(1, Text.size() - 2);
    }
    std::int64_t mask = 0;
    while (!TrimView(Text).empty()) {
        const auto comma = Text.find(',');
        const std::string_view name = TrimView(Text.substr(0, comma));
        const int ordinal = Element.IndexOf(name);
        if (ordinal < 0)
            throw EConvertError("'" + std::string(name) + "' is not a value of " + Element.Name);
        mask |= std::int64_t{1} << ordinal;
        if (comma == std::string_view::npos) break;
        Text.remove_prefix(comma + 1);
    }
    return mask;
}

const TIdentMap& ColorIdents() {
    static const TIdentMap map = {
        {clBlack, "clBlack"},
        {clMaroon, "clMaroon"},
        {clGreen, "clGreen"},
        {clOlive, "clOlive"},
        {clNavy, "clNavy"},
        {clPurple, "clPurple"},
        {clTeal, "clTeal"},
        {clGray, "clGray"},
        {clSilver, "clSilver"},
        {clRed, "clRed"},
        {clLime, "clLime"},
        {clYellow, "clYellow"},
        {clBlue, "clBlue"},
        {clFuchsia, "clFuchsia"},
        {clAqua, "clAqua"},
        {clWhite, "clWhite"},
        {clMoneyGreen, "clMoneyGreen"},
        {clSkyBlue, "clSkyBlue"},
        {clCream, "clCream"},
        {clMedGray, "clMedGray"},
        {clNone, "clNone"},
        {clDefault, "clDefault"},
        {clScrollBar, "clScrollBar"},
        {clBackground, "clBackground"},
        {clActiveCaption, "clActiveCaption"},
        {clInactiveCaption, "clInactiveCaption"},
        {clMenu, "clMenu"},
        {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"},
        {clMenuText, "clMenuText"},
        {clWindowText, "clWindowText"},
        {clCaptionText, "clCaptionText"},
        {clActiveBorder, "clActiveBorder"},
        {clInactiveBorder, "clInactiveBorder"},
        {clAppWorkSpace, "clAppWorkSpace"},
        {clHighlight, "clHighlight"},
        {clHighlightText, "clHighlightText"},
        {clBtnFace, "clBtnFace"},
        {clBtnShadow, "clBtnShadow"},
        {clGrayText, "clGrayText"},
        {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"},
        {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"},
        {cl3DLight, "cl3DLight"},
        {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"},
        {clHotLight, "clHotLight"},
        {clGradientActiveCaption, "clGradientActiveCaption"},
        {clGradientInactiveCaption, "clGradientInactiveCaption"},
        {clMenuHighlight, "clMenuHighlight"},
        {clMenuBar, "clMenuBar"},
    };
    return map;
}

std::string ColorToString(std::int32_t Color) {
    if (const std::string* name = IntToIdent(ColorIdents(), Color)) return *name;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(Color));
    return buffer;
}

std::int32_t StringToColor(std::string_view Text) {
    std::int64_t value = 0;
    if (IdentToInt(ColorIdents(), TrimView(Text), value)) return static_cast<std::int32_t>(value);
    if (!TryStrToInt(TrimView(Text), value) || value < INT32_MIN || value > UINT32_MAX)
        throw EConvertError("'" + std::string(Text) + "' is not a colour");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string GetPropValue(TPersistent* Instance, std::string_view PropPath) {
    const TPropTarget t = ResolvePropPath(Instance, PropPath);
    const TPropInfo& info = *t.Info;
    switch (info.Kind) {
        case TPropKind::Integer: {
            const std::int64_t v = info.GetOrd(*t.Instance);
            if (info.Idents)
                if (const std::string* name = IntToIdent(*info.Idents, v)) return *name;
            return IntToStr(v);
        }
        case TPropKind::Boolean:
            return info.GetOrd(*t.Instance) ? "True" : "False";
        case TPropKind::Enumeration:
            return info.Enum->NameOf(info.GetOrd(*t.Instance));
        case TPropKind::Set:
            return SetToString(*info.Enum, info.GetOrd(*t.Instance));
        case TPropKind::Color:
            return ColorToString(static_cast<std::int32_t>(info.GetOrd(*t.Instance)));
        case TPropKind::String:
            return info.GetStr(*t.Instance);
        case TPropKind::Float:
            return FloatToStr(info.GetFloat(*t.Instance));
        case TPropKind::Reference: {
            auto* c = dynamic_cast<TComponent*>(info.GetObject(*t.Instance));
            return c ? c->GetName() : std::string();
        }
        case TPropKind::Event:
            return info.GetEvent(*t.Instance).HandlerName();
        case TPropKind::Persistent:
            break;
    }
    WrongKind(t.Instance, info, "a property with a text value");
}

void SetPropValue(TPersistent* Instance, std::string_view PropPath, std::string_view Value) {
    const TPropTarget t = ResolvePropPath(Instance, PropPath);
    const TPropInfo& info = *t.Info;
    const std::string name = info.Name;
    switch (info.Kind) {
        case TPropKind::Integer: {
            std::int64_t v = 0;
            if (!(info.Idents && IdentToInt(*info.Idents, TrimView(Value), v)))
                v = StrToInt(TrimView(Value));
            return SetOrdProp(t.Instance, name, v);
        }
        case TPropKind::Boolean:
            if (SameText(TrimView(Value), "True")) return SetOrdProp(t.Instance, name, 1);
            if (SameText(TrimView(Value), "False")) return SetOrdProp(t.Instance, name, 0);
            throw EConvertError("'" + std::string(Value) + "' is not a valid boolean value");
        case TPropKind::Enumeration:
            return SetEnumProp(t.Instance, name, TrimView(Value));
        case TPropKind::Set:
            return SetOrdProp(t.Instance, name, StringToSet(*info.Enum, Value));
        case TPropKind::Color:
            return SetOrdProp(t.Instance, name, StringToColor(Value));
        case TPropKind::String:
            return SetStrProp(t.Instance, name, std::string(Value));
        case TPropKind::Float:
            return SetFloatProp(t.Instance, name, StrToFloat(TrimView(Value)));
        case TPropKind::Reference: {
            auto* self = dynamic_cast<TComponent*>(t.Instance);
            TComponent* owner = self ? self->Owner() : nullptr;
            TComponent* found = owner ? owner->FindComponent(TrimView(Value)) : nullptr;
            if (!found && !TrimView(Value).empty())
                throw EPropertyError("Component " + std::string(Value) + " not found");
            return SetObjectProp(t.Instance, name, found);
        }
        default:
            WrongKind(t.Instance, info, "a property with a text value");
    }
}
