#pragma once
// An object with published properties that can be copied with Assign and streamed.
#include <string>

#include "platform/vcl/core/Object.h"

class TFiler;

class TPersistent : public TObject {
    QV_DECLARE_CLASS(TPersistent, TObject)

    // Copies Source into this object; a pair of classes that cannot be copied raises
    // EConvertError. Source may be null only where a class allows it.
    virtual void Assign(const TPersistent* Source);
    // The object this one belongs to (a component for its font, a collection for an item).
    virtual TPersistent* GetOwner() const { return nullptr; }
    // Streams values that are not published properties.
    virtual void DefineProperties(TFiler& Filer);
    // A dotted name for messages: Form1.Button1.Font.
    virtual std::string GetNamePath() const;

protected:
    // The other half of Assign: lets a source class copy itself into a class that does not
    // know it.
    virtual void AssignTo(TPersistent& Dest) const;
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};
