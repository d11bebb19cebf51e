#pragma once
// Writes components as a form description: the stored properties (those that differ from
// their defaults) in stored order, the values of DefineProperties, and nested objects.
#include <string>
#include <vector>

#include "platform/vcl/core/FormValue.h"

class TComponent;
class TPersistent;
struct TPropInfo;

class TFormWriter {
public:
    std::string WriteDescription(TComponent& Root);

    // The text of one value as a description holds it, for indentation level indent.
    static std::string FormatValue(const TFormValue& value, int indent);
    static std::string QuoteString(const std::string& text);

private:
    void WriteObject(TComponent& component, int indent);
    void CollectProperties(TPersistent& instance, const std::string& prefix,
                           std::vector<TFormProperty>& out) const;
    void CollectProperty(TPersistent& instance, const TPropInfo& info, const std::string& prefix,
                         std::vector<TFormProperty>& out) const;
    std::string ReferenceName(TComponent* component) const;

    TComponent* m_root = nullptr;
    std::string m_text;
};
