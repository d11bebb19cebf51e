#pragma once
// TContainedAction: an action that may belong to an action list, which sees it run and
// update first; TCustomAction adds the properties its clients take (Caption, Checked,
// Enabled, Hint, ImageIndex, ShortCut, Visible, GroupIndex, AutoCheck); TAction publishes
// them.
#include <string>

#include "platform/vcl/actions/BasicAction.h"
#include "platform/vcl/menus/ShortCut.h"

class TActionList;

class TContainedAction : public TBasicAction {
    QV_DECLARE_CLASS(TContainedAction, TBasicAction)

    explicit TContainedAction(TComponent* AOwner);
    ~TContainedAction() override;

    TActionList* GetActionList() const { return m_actionList; }
    void SetActionList(TActionList* Value);
    const std::string& GetCategory() const { return m_category; }
    void SetCategory(const std::string& Value) { m_category = Value; }
    int GetIndex() const;
    // Whether the list's State keeps the action from running and updating.
    bool Suspended() const;

    // The list first, then the application, then OnExecute, then the targets of the
    // active form (its focused control first).
    bool Execute() override;
    bool Update() override;

    bool HasParent() const override { return m_actionList != nullptr; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

protected:
    // The last step of Execute and Update: hand the action to a target that handles it.
    virtual bool ExecuteOnTargets();
    virtual bool UpdateOnTargets();

private:
    friend class TActionList;
    TActionList* m_actionList = nullptr;
    std::string m_category;
};

class TCustomAction : public TContainedAction {
    QV_DECLARE_CLASS(TCustomAction, TContainedAction)

    explicit TCustomAction(TComponent* AOwner);

    const std::string& GetCaption() const { return m_caption; }
    void SetCaption(const std::string& Value);
    bool GetChecked() const { return m_checked; }
    // Checking an action of a group (GroupIndex above 0) unchecks the others of its list.
    void SetChecked(bool Value);
    bool GetEnabled() const { return m_enabled; }
    void SetEnabled(bool Value);
    const std::string& GetHint() const { return m_hint; }
    void SetHint(const std::string& Value);
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int Value);
    TShortCut GetShortCut() const { return m_shortCut; }
    void SetShortCut(TShortCut Value);
    bool GetVisible() const { return m_visible; }
    void SetVisible(bool Value);
    int GetGroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int Value);
    bool GetAutoCheck() const { return m_autoCheck; }
    void SetAutoCheck(bool Value);

    // An action nobody updates (no list, application, OnUpdate or target took it) and
    // that has no OnExecute is disabled when DisableIfNoHandler is set, as it is at first.
    bool GetDisableIfNoHandler() const { return m_disableIfNoHandler; }
    void SetDisableIfNoHandler(bool Value) { m_disableIfNoHandler = Value; }

    // Updates, then runs when enabled; an AutoCheck action toggles its check first.
    bool Execute() override;
    bool Update() override;
    // What a short cut of the action does: runs it when it is enabled.
    virtual bool HandleShortCut() { return Execute(); }

private:
    template <class V, class Apply>
    void Broadcast(V& field, const V& value, Apply apply);

    std::string m_caption;
    bool m_checked = false;
    bool m_enabled = true;
    std::string m_hint;
    int m_imageIndex = -1;
    TShortCut m_shortCut = 0;
    bool m_visible = true;
    int m_groupIndex = 0;
    bool m_autoCheck = false;
    bool m_checking = false;
    bool m_disableIfNoHandler = true;
};

class TAction : public TCustomAction {
    QV_DECLARE_CLASS(TAction, TCustomAction)

    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};
