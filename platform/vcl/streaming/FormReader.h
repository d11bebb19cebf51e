#pragma once
// Builds components from a form description: creates them by class name, binds the form's
// fields and event handlers by name, applies properties in stored order, resolves
// references once everything is read, then calls Loaded on every component.
#include <string>
#include <string_view>
#include <vector>

#include "platform/vcl/core/FormValue.h"

class TComponent;
class TPersistent;
struct TPropInfo;

class TFormReader {
public:
    // fileName names the description in error messages.
    explicit TFormReader(std::string fileName);

    // Reads the description into Root, which must be of the described class or derive
    // from it. Components Root already owns under a described name are reused.
    void ReadRootComponent(TComponent& Root, std::string_view Text);
    void ReadRootComponent(TComponent& Root, const TFormObject& Description);

    // Creates the described root component from the class registry, owned by Owner.
    TComponent* ReadComponent(std::string_view Text, TComponent* Owner);

private:
    struct Fixup {
        TPersistent* instance;
        const TPropInfo* info;
        std::string name;
        int line;
    };

    void ReadObject(TComponent& component, const TFormObject& description);
    TComponent* CreateChild(const TFormObject& description, TComponent& parent);
    void ApplyProperties(TPersistent& instance, const std::vector<TFormProperty>& properties);
    void ApplyProperty(TPersistent& instance, const TFormProperty& property);
    void SetValue(TPersistent& instance, const TPropInfo& info, const TFormValue& value);
    std::int64_t OrdinalValue(const TPropInfo& info, const TFormValue& value) const;
    void ResolveFixups();
    TComponent* FindReferenced(const std::string& name) const;
    [[noreturn]] void Error(int line, const std::string& message) const;

    std::string m_fileName;
    TComponent* m_root = nullptr;
    std::vector<TComponent*> m_loaded;
    std::vector<Fixup> m_fixups;
};

// Reads the form description resource of that name into Root; false when there is none.
bool ReadComponentResource(TComponent& Root, std::string_view ResourceName);
