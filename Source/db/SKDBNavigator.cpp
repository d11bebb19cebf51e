// TskDBNavigator: the buttons, their layout, their actions on the dataset and their
// enabling by the dataset's state.
#include "Source/db/SKDBNavigator.h"

#include <algorithm>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKPublic.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/core/ComponentGuard.h"
#include "platform/vcl/dialogs/MessageDlg.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/win/Windows.h"

namespace {

// The hints of the buttons, in button order, as the unit's resource strings hold them.
const char* const kDefaultHints[] = {"第一条记录", "前一条记录", "下一条记录", "最后一条记录",
                                     "插入记录",   "删除记录",   "修改记录",   "提交修改",
                                     "取消修改",   "刷新数据"};

// The cursors' names as forms write them: the controls' own.
const TIdentMap* CursorNames() {
    const TPropInfo* cursor = TControl::StaticClassInfo().FindProperty("Cursor");
    return cursor ? cursor->Idents : nullptr;
}

const char* const kDeleteQuestion = "删除记录？";

bool IsVisibleIn(TButtonSet Set, int Index) {
    return (Set & NavigateButton(static_cast<TNavigateBtn>(Index))) != 0;
}

}  // namespace

// The data link.

TskNavDataLink::TskNavDataLink(TskDBNavigator* Navigator) : m_navigator(Navigator) {
    SetVisualControl(true);
}

TskNavDataLink::~TskNavDataLink() {
    m_navigator = nullptr;
}

void TskNavDataLink::EditingChanged() {
    if (m_navigator) m_navigator->EditingChanged();
}

void TskNavDataLink::DataSetChanged() {
    if (m_navigator) m_navigator->DataChanged();
}

void TskNavDataLink::ActiveChanged() {
    if (m_navigator) m_navigator->ActiveChanged();
}

// The navigator.

const TClassInfo& TskDBNavigator::StaticClassInfo() {
    using C = TskDBNavigator;
    static const TClassInfo info =
        TClassBuilder<C>("TskDBNavigator")
            .Reference("FileTheme", &C::GetFileTheme, &C::SetFileTheme)
            .Enum("UIStyle", TskUIStyleInfo(), &C::GetUIStyle, &C::SetUIStyle)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Set("VisibleButtons", NavigateBtnInfo(), &C::GetVisibleButtons, &C::SetVisibleButtons,
                 kAllNavigateButtons)
            .Integer("Cursor", &C::GetCursor, &C::SetCursor, crDefault, CursorNames())
            .Publish("Align")
            .Publish("Constraints")
            .Publish("Enabled")
            .Persistent("Hints", [](C& c) { return c.GetHints(); })
            .Stored([](C& c) { return c.m_hints.Count() > 0; })
            .Publish("PopupMenu")
            .Boolean("ConfirmDelete", &C::GetConfirmDelete, &C::SetConfirmDelete, true)
            .Publish("ShowHint")
            .Publish("TabOrder")
            .Publish("TabStop")
            .Publish("Visible")
            .Event("BeforeAction", &C::BeforeAction)
            .Event("OnClick", &C::OnClick)
            .Publish("OnDblClick")
            .Publish("OnEnter")
            .Publish("OnExit")
            .Publish("OnResize")
            .Build();
    return info;
}

TskDBNavigator::TskDBNavigator(TComponent* AOwner)
    : TCustomPanel(AOwner), m_dataLink(std::make_unique<TskNavDataLink>(this)) {
    m_controlStyle &= ~(csAcceptsControls | csSetCaption);
    m_controlStyle |= csOpaque;
    SetText("");
    m_hints.OnChange = [this](TObject*) { InitHints(); };
    InitButtons();
    InitHints();
    SetBevelOuter(bvNone);
    SetBevelInner(bvNone);
    SetWidth(250);
    SetHeight(30);
    m_buttonWidth = 0;
    m_focusedButton = nbFirst;
    m_confirmDelete = true;
    SetFullRepaint(false);
    SetUIStyle(GetSKFormStyle(AOwner));
}

TskDBNavigator::~TskDBNavigator() {
    m_hints.OnChange = nullptr;
    m_dataLink->SetDataSource(nullptr);
    m_dataLink.reset();
}

void TskDBNavigator::InitButtons() {
    TBitmap strip;
    strip.LoadFromResourceName("DBNAV_BUTTON");
    int x = 0;
    for (int i = nbFirst; i <= nbRefresh; ++i) {
        auto* button = new TskNavButton(this);
        button->SetSpacing(-1);
        button->SetIndex(static_cast<TNavigateBtn>(i));
        button->SetVisible(IsVisibleIn(m_visibleButtons, i));
        button->SetBounds(x, 0, m_minButtonWidth, m_minButtonHeight);
        TBitmap glyph;
        SpitBitmap(&strip, &glyph, 10, i + 1);
        button->SetGlyph(&glyph);
        button->OnClick = [this](TObject* Sender) { ClickHandler(Sender); };
        button->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) { BtnMouseDown(Sender, Button, Shift, X, Y); };
        button->SetParent(this);
        m_buttons[i] = button;
        x += m_minButtonWidth;
    }
    m_buttons[nbPrior]->SetNavStyle(m_buttons[nbPrior]->GetNavStyle() | nsAllowTimer);
    m_buttons[nbNext]->SetNavStyle(m_buttons[nbNext]->GetNavStyle() | nsAllowTimer);
}

void TskDBNavigator::InitHints() {
    if (!m_defaultHints) {
        m_defaultHints = std::make_unique<TStringList>();
        for (const char* hint : kDefaultHints) m_defaultHints->Add(hint);
    }
    for (int i = nbFirst; i <= nbRefresh; ++i)
        if (m_buttons[i]) m_buttons[i]->SetHint(m_defaultHints->Strings(i));
    for (int i = 0; i < std::min(m_hints.Count(), nbRefresh + 1); ++i)
        if (!m_hints.Strings(i).empty() && m_buttons[i]) m_buttons[i]->SetHint(m_hints.Strings(i));
}

TStrings* TskDBNavigator::GetHints() {
    // The designer shows the default hints until custom ones are given; the form's
    // reader and writer see only the custom ones.
    const TComponentState state = ComponentState();
    if ((state & csDesigning) && !(state & (csReading | csWriting)) && m_hints.Count() == 0)
        return m_defaultHints.get();
    return &m_hints;
}

void TskDBNavigator::SetHints(const TStrings* Value) {
    if (Value && Value->GetText() == m_defaultHints->GetText())
        m_hints.Clear();
    else
        m_hints.Assign(Value);
}

void TskDBNavigator::SetFileTheme(TskFileTheme* Value) {
    if (m_fileTheme) m_fileTheme->RemoveFreeNotification(this);
    m_fileTheme = Value;
    if (m_fileTheme) m_fileTheme->FreeNotification(this);
    SetUIStyle(m_uiStyle);
}

void TskDBNavigator::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    for (TskNavButton* button : m_buttons) {
        if (!button) continue;
        button->SetFileTheme(m_fileTheme);
        button->SetUIStyle(Value);
    }
}

void TskDBNavigator::SetCursor(TCursor Value) {
    TCustomPanel::SetCursor(Value);
    for (TskNavButton* button : m_buttons)
        if (button) button->SetCursor(Value);
}

TDataSource* TskDBNavigator::GetDataSource() const {
    return m_dataLink->GetDataSource();
}

void TskDBNavigator::SetDataSource(TDataSource* Value) {
    if (TDataSource* old = m_dataLink->GetDataSource()) old->RemoveFreeNotification(this);
    m_dataLink->SetDataSource(Value);
    if (!(ComponentState() & csLoading)) ActiveChanged();
    if (Value) Value->FreeNotification(this);
}

void TskDBNavigator::SetVisibleButtons(TButtonSet Value) {
    m_visibleButtons = Value & kAllNavigateButtons;
    for (int i = nbFirst; i <= nbRefresh; ++i)
        m_buttons[i]->SetVisible(IsVisibleIn(m_visibleButtons, i));
    int w = GetWidth(), h = GetHeight();
    SetSize(w, h);
    if (w != GetWidth() || h != GetHeight()) TCustomPanel::SetBounds(GetLeft(), GetTop(), w, h);
    Invalidate();
}

void TskDBNavigator::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (m_dataLink && AComponent == m_dataLink->GetDataSource()) SetDataSource(nullptr);
    if (AComponent == m_fileTheme) {
        m_fileTheme = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void TskDBNavigator::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {
    // The buttons belong to the navigator and are made again with it; forms never store
    // them.
}

// Layout.

int TskDBNavigator::VisibleCount() const {
    int count = 0;
    for (int i = nbFirst; i <= nbRefresh; ++i)
        if (IsVisibleIn(m_visibleButtons, i)) ++count;
    return std::max(count, 1);
}

void TskDBNavigator::CalcMinSize(int& W, int& H) {
    if ((ComponentState() & csLoading) || !m_buttons[nbFirst]) return;
    const int count = VisibleCount();
    W = std::max(W, count * m_minButtonWidth);
    H = std::max(H, m_minButtonHeight);
    if (GetAlign() == alNone) W = count * (W / count);
}

void TskDBNavigator::SetSize(int& W, int& H) {
    if ((ComponentState() & csLoading) || !m_buttons[nbFirst]) return;
    const int count = VisibleCount();
    CalcMinSize(W, H);
    m_buttonWidth = W / count;
    if (GetAlign() == alNone) W = count * m_buttonWidth;
    // An aligned navigator keeps its width: the pixels the division leaves go one each
    // to buttons spread evenly along the row.
    const int remain = W - count * m_buttonWidth;
    int counter = count / 2;
    int x = 0;
    for (int i = nbFirst; i <= nbRefresh; ++i) {
        TskNavButton* button = m_buttons[i];
        if (!IsVisibleIn(m_visibleButtons, i)) {
            button->SetBounds(W + 1, 0, m_buttonWidth, H);
            continue;
        }
        int extra = 0;
        if (remain != 0) {
            counter -= remain;
            if (counter < 0) {
                counter += count;
                extra = 1;
            }
        }
        button->SetBounds(x, 0, m_buttonWidth + extra, H);
        x += m_buttonWidth + extra;
    }
}

void TskDBNavigator::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // Without a window no size message follows, so the buttons are laid out here; with
    // one, the size is only held to what the buttons need and the size message lays
    // them out.
    if (!HandleAllocated())
        SetSize(AWidth, AHeight);
    else
        CalcMinSize(AWidth, AHeight);
    TCustomPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TskDBNavigator::WMSize(TMessage& Message) {
    TCustomPanel::WMSize(Message);
    int w = GetWidth(), h = GetHeight();
    SetSize(w, h);
}

void TskDBNavigator::Loaded() {
    TCustomPanel::Loaded();
    int w = GetWidth(), h = GetHeight();
    SetSize(w, h);
    if (w != GetWidth() || h != GetHeight()) TCustomPanel::SetBounds(GetLeft(), GetTop(), w, h);
    InitHints();
    ActiveChanged();
}

// Actions.

void TskDBNavigator::ClickHandler(TObject* Sender) {
    BtnClick(static_cast<TskNavButton*>(Sender)->GetIndex());
}

void TskDBNavigator::BtnClick(TNavigateBtn Index) {
    TComponentGuard guard(this);
    const bool designing = (ComponentState() & csDesigning) != 0;
    TDataSource* source = GetDataSource();
    if (source && source->GetState() != dsInactive) {
        if (!designing && BeforeAction) {
            BeforeAction(this, Index);
            if (!guard.Exists()) return;
        }
        TDataSet* dataSet = source->GetDataSet();
        switch (Index) {
            case nbFirst:
                dataSet->First();
                break;
            case nbPrior:
                dataSet->Prior();
                break;
            case nbNext:
                dataSet->Next();
                break;
            case nbLast:
                dataSet->Last();
                break;
            case nbInsert:
                dataSet->Insert();
                break;
            case nbDelete: {
                if (m_confirmDelete) {
                    TCustomForm* form = GetParentForm(this);
                    const HWND owner = form ? form->Handle() : Handle();
                    const int answer = MessageBox(owner, kDeleteQuestion, "Confirm",
                                                  MB_OKCANCEL | MB_ICONQUESTION);
                    if (!guard.Exists()) return;
                    if (answer != IDOK) break;
                }
                dataSet->Delete();
                break;
            }
            case nbEdit:
                dataSet->Edit();
                break;
            case nbPost:
                dataSet->Post();
                break;
            case nbCancel:
                dataSet->Cancel();
                break;
            case nbRefresh:
                dataSet->Refresh();
                break;
        }
        if (!guard.Exists()) return;
    }
    if (!designing && OnClick) OnClick(this, Index);
}

// Focus and keys.

void TskDBNavigator::BtnMouseDown(TObject* Sender, TMouseButton, TShiftState, int, int) {
    const TNavigateBtn old = m_focusedButton;
    m_focusedButton = static_cast<TskNavButton*>(Sender)->GetIndex();
    if (!GetTabStop()) return;
    if (!Focused() && CanFocus()) {
        SetFocus();
    } else if (Focused() && old != m_focusedButton) {
        m_buttons[old]->Invalidate();
        m_buttons[m_focusedButton]->Invalidate();
    }
}

void TskDBNavigator::MoveFocus(TNavigateBtn To) {
    if (To == m_focusedButton) return;
    const TNavigateBtn old = m_focusedButton;
    m_focusedButton = To;
    m_buttons[old]->Invalidate();
    m_buttons[To]->Invalidate();
}

void TskDBNavigator::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomPanel::KeyDown(Key, Shift);
    switch (Key) {
        case VK_SPACE:
            if (m_buttons[m_focusedButton]->GetEnabled()) m_buttons[m_focusedButton]->Click();
            break;
        case VK_LEFT:
            // The nearest shown button that way; none leaves the focus where it is, so it
            // never rests on a hidden button.
            for (int i = m_focusedButton - 1; i >= nbFirst; --i)
                if (IsVisibleIn(m_visibleButtons, i)) {
                    MoveFocus(static_cast<TNavigateBtn>(i));
                    break;
                }
            break;
        case VK_RIGHT:
            for (int i = m_focusedButton + 1; i <= nbRefresh; ++i)
                if (IsVisibleIn(m_visibleButtons, i)) {
                    MoveFocus(static_cast<TNavigateBtn>(i));
                    break;
                }
            break;
        default:
            break;
    }
}

void TskDBNavigator::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    if (Message.Msg == WM_WINDOWPOSCHANGING && Message.LParam) {
        // A size given to the window directly is held to what the buttons need.
        auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
        if (!(pos->flags & SWP_NOSIZE) && (pos->cx != GetWidth() || pos->cy != GetHeight()))
            CalcMinSize(pos->cx, pos->cy);
    }
    TCustomPanel::WndProc(Message);
}

void TskDBNavigator::WMSetFocus(TMessage& Message) {
    TCustomPanel::WMSetFocus(Message);
    m_buttons[m_focusedButton]->Invalidate();
}

void TskDBNavigator::WMKillFocus(TMessage& Message) {
    TCustomPanel::WMKillFocus(Message);
    m_buttons[m_focusedButton]->Invalidate();
}

void TskDBNavigator::CMEnabledChanged(TMessage& Message) {
    TCustomPanel::CMEnabledChanged(Message);
    if (!(ComponentState() & csLoading)) ActiveChanged();
}

// Enabling.

void TskDBNavigator::DataChanged() {
    TDataSet* dataSet = m_dataLink->GetActive() ? m_dataLink->GetDataSet() : nullptr;
    const bool on = GetEnabled() && dataSet;
    const bool up = on && !dataSet->GetBOF();
    const bool down = on && !dataSet->GetEOF();
    m_buttons[nbFirst]->SetEnabled(up);
    m_buttons[nbPrior]->SetEnabled(up);
    m_buttons[nbNext]->SetEnabled(down);
    m_buttons[nbLast]->SetEnabled(down);
    m_buttons[nbDelete]->SetEnabled(on && dataSet->GetCanModify() &&
                                    !(dataSet->GetBOF() && dataSet->GetEOF()));
}

void TskDBNavigator::EditingChanged() {
    TDataSet* dataSet = m_dataLink->GetActive() ? m_dataLink->GetDataSet() : nullptr;
    const bool canModify = GetEnabled() && dataSet && dataSet->GetCanModify();
    const bool editing = m_dataLink->GetEditing();
    m_buttons[nbInsert]->SetEnabled(canModify);
    m_buttons[nbEdit]->SetEnabled(canModify && !editing);
    m_buttons[nbPost]->SetEnabled(canModify && editing);
    m_buttons[nbCancel]->SetEnabled(canModify && editing);
    m_buttons[nbRefresh]->SetEnabled(canModify);
}

void TskDBNavigator::ActiveChanged() {
    if (GetEnabled() && m_dataLink->GetActive()) {
        DataChanged();
        EditingChanged();
        return;
    }
    for (TskNavButton* button : m_buttons) button->SetEnabled(false);
}

void RegisterSKDBNavigatorClasses() {
    RegisterClassesOf<TskNavButton, TskDBNavigator>();
}
