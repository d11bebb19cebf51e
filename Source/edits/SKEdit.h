#pragma once
// The skinned text boxes: the platform's edit and masked edit without their 3-D border,
// framed instead by a flat two-pixel ring in the style's control border colour, and a
// right-aligned edit for a number shown through a format mask.
#include <cstdint>
#include <string>

#include "Source/edits/SKFlatFrame.h"
#include "platform/vcl/stdctrls/CustomEdit.h"
#include "platform/vcl/stdctrls/MaskEdit.h"

class TskEdit : public TskFlatFramed<TCustomEdit> {
    QV_DECLARE_CLASS(TskEdit, TCustomEdit)

    explicit TskEdit(TComponent* AOwner);
    ~TskEdit() override;
};

class TskMaskEdit : public TskFlatFramed<TCustomMaskEdit> {
    QV_DECLARE_CLASS(TskMaskEdit, TCustomMaskEdit)

    explicit TskMaskEdit(TComponent* AOwner);
    ~TskMaskEdit() override;
};

// A right-aligned edit for a floating-point value. Mask formats the value for display;
// only digits, one decimal separator, backspace and (when the mask has one) a leading
// minus can be typed or pasted. Text that does not convert restores the last good value
// and raises EConvertError.
class TskNumberEdit : public TskEdit {
    QV_DECLARE_CLASS(TskNumberEdit, TskEdit)

    explicit TskNumberEdit(TComponent* AOwner);

    const std::string& GetMask() const { return m_mask; }
    void SetMask(const std::string& Value);
    double GetValue() const { return m_value; }
    // Stores the value and shows it formatted with Mask.
    void SetValue(double Value);
    // How many characters at the end of the text entering or clicking selects.
    std::int32_t GetAutoSelectSigns() const { return m_autoSelectSigns; }
    void SetAutoSelectSigns(std::int32_t Value) { m_autoSelectSigns = Value; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyPress(char& Key) override;
    void WndProc(TMessage& Message) override;

private:
    // The value the text shows, read through Mask; raises EConvertError.
    double TextValue(const std::string& Text) const;
    // Whether Ch may be typed into Text where the selection starts at SelStart.
    bool AcceptsKey(char Ch, const std::string& Text, int SelStart) const;
    bool AcceptsPaste(const std::string& Pasted) const;
    void SelectSigns();

    std::string m_mask = "0.00";
    double m_value = 0;
    std::int32_t m_autoSelectSigns = 2;
    bool m_restoring = false;
};

// Makes TskEdit, TskMaskEdit, TskNumberEdit and the spin edit known to the form reader.
void RegisterSKEditClasses();
