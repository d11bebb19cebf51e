#pragma once
// Published properties by name: lookup, typed access and access as text.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/vcl/core/ClassInfo.h"

class TPersistent;
class TComponent;

// The published property of that name (no dotted paths), or null.
const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view PropName);
bool IsHasProperty(const TObject* Instance, std::string_view PropName);
bool IsPublishedProp(const TObject* Instance, std::string_view PropName);

// Typed access; an unknown property or one of another kind raises EPropertyError.
std::int64_t GetOrdProp(TPersistent* Instance, std::string_view PropName);
void SetOrdProp(TPersistent* Instance, std::string_view PropName, std::int64_t Value);
std::string GetStrProp(TPersistent* Instance, std::string_view PropName);
void SetStrProp(TPersistent* Instance, std::string_view PropName, const std::string& Value);
double GetFloatProp(TPersistent* Instance, std::string_view PropName);
void SetFloatProp(TPersistent* Instance, std::string_view PropName, double Value);
TObject* GetObjectProp(TPersistent* Instance, std::string_view PropName);
// For an owned persistent property the value is assigned to the object the property holds.
void SetObjectProp(TPersistent* Instance, std::string_view PropName, TObject* Value);
std::string GetEnumProp(TPersistent* Instance, std::string_view PropName);
void SetEnumProp(TPersistent* Instance, std::string_view PropName, std::string_view Value);
// Binds an event property to the published method HandlerName of Root's class.
void SetMethodProp(TPersistent* Instance, std::string_view PropName, TComponent* Root,
                   const std::string& HandlerName);
std::string GetMethodName(TPersistent* Instance, std::string_view PropName);

// Any ordinal, string or float property as the text a form description writes, with paths
// through owned objects ("Font.Style" gives "[fsBold]", "Color" gives "clBtnFace").
std::string GetPropValue(TPersistent* Instance, std::string_view PropPath);
void SetPropValue(TPersistent* Instance, std::string_view PropPath, std::string_view Value);

// The object and property a dotted path leads to, walking owned objects.
struct TPropTarget {
    TPersistent* Instance = nullptr;
    const TPropInfo* Info = nullptr;
};
TPropTarget ResolvePropPath(TPersistent* Instance, std::string_view PropPath);

// Set and enumeration text: "[fsBold,fsItalic]" and back.
std::string SetToString(const TEnumInfo& Element, std::int64_t Mask, bool Brackets = true);
std::int64_t StringToSet(const TEnumInfo& Element, std::string_view Text);

// Colours by their cl names, and otherwise as "$00BBGGRR" or a decimal number.
const TIdentMap& ColorIdents();
std::string ColorToString(std::int32_t Color);
std::int32_t StringToColor(std::string_view Text);
