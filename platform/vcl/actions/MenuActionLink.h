#pragma once
// The link of a menu item: every property of the action reaches the item.
#include "platform/vcl/actions/ActionLink.h"

class TMenuItem;

class TMenuActionLink : public TActionLink {
public:
    explicit TMenuActionLink(TMenuItem* AClient) : m_client(AClient) {}

    bool IsCaptionLinked() const override;
    bool IsCheckedLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHintLinked() const override;
    bool IsImageIndexLinked() const override;
    bool IsShortCutLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsGroupIndexLinked() const override;
    bool IsAutoCheckLinked() const override;
    void SetCaption(const std::string& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetImageIndex(int Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    void SetGroupIndex(int Value) override;
    void SetAutoCheck(bool Value) override;

private:
    TMenuItem* m_client;
};
