#pragma once
// TActionLink: a client's tie to a TCustomAction. The action hands each new property value
// to the link before it changes, and the link passes it on to its client while the
// client's value still is the action's; the action's change then gives every client all
// of its values again. Is...Linked also tells the form writer which of a client's values
// come from its action and are not stored. Each kind of client has a link of its own that
// knows the client's properties.
#include <string>

#include "platform/vcl/actions/BasicAction.h"
#include "platform/vcl/menus/ShortCut.h"

class TCustomAction;

class TActionLink : public TBasicActionLink {
public:
    TCustomAction* CustomAction() const;

    virtual bool IsCaptionLinked() const { return CustomAction() != nullptr; }
    virtual bool IsCheckedLinked() const { return CustomAction() != nullptr; }
    virtual bool IsEnabledLinked() const { return CustomAction() != nullptr; }
    virtual bool IsHintLinked() const { return CustomAction() != nullptr; }
    virtual bool IsImageIndexLinked() const { return CustomAction() != nullptr; }
    virtual bool IsShortCutLinked() const { return CustomAction() != nullptr; }
    virtual bool IsVisibleLinked() const { return CustomAction() != nullptr; }
    virtual bool IsGroupIndexLinked() const { return CustomAction() != nullptr; }
    virtual bool IsAutoCheckLinked() const { return CustomAction() != nullptr; }

    virtual void SetCaption(const std::string&) {}
    virtual void SetChecked(bool) {}
    virtual void SetEnabled(bool) {}
    virtual void SetHint(const std::string&) {}
    virtual void SetImageIndex(int) {}
    virtual void SetShortCut(TShortCut) {}
    virtual void SetVisible(bool) {}
    virtual void SetGroupIndex(int) {}
    virtual void SetAutoCheck(bool) {}
};
