#pragma once
// TCustomEdit: the platform's native text box. One line by default; a descendant that adds
// ES_MULTILINE (the memo) gets lines, word wrap and scroll bars from the same code. The
// native behaviour (typing, caret, selection, clipboard, EM_ messages) lives in
// DefaultHandler, so a descendant's message handlers run before it and may call it first.
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/vcl/core/CharCase.h"
#include "platform/vcl/stdctrls/EditConsts.h"
#include "platform/vcl/controls/WinControl.h"

class TControlCanvas;

class TCustomEdit : public TWinControl {
    QV_DECLARE_CLASS(TCustomEdit, TWinControl)

    explicit TCustomEdit(TComponent* AOwner);
    ~TCustomEdit() override;

    std::string GetText() const override { return m_editText; }
    void SetText(const std::string& Value) override;

    int GetSelStart() const;
    void SetSelStart(int Value);
    int GetSelLength() const;
    void SetSelLength(int Value);
    std::string GetSelText() const;
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void Undo();
    bool CanUndo() const { return m_canUndo; }
    void Clear() { SetText(""); }

    bool GetModified() const { return m_modified; }
    void SetModified(bool Value) { m_modified = Value; }
    int GetMaxLength() const { return m_maxLength; }
    void SetMaxLength(int Value);
    TEditCharCase GetCharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase Value);
    // How CharCase maps letters: by the user's language (the default) or the same in every
    // language, for text such as identifiers.
    TCaseRule GetCaseRule() const { return m_caseRule; }
    void SetCaseRule(TCaseRule Value) { m_caseRule = Value; }
    char GetPasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(char Value);
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value);
    bool GetAutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool Value) { m_autoSelect = Value; }
    bool GetHideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool Value);
    TBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    int GetBorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    bool GetCtl3D() const { return m_ctl3D; }
    void SetCtl3D(bool Value);
    TAlignment GetAlignment() const { return m_alignment; }
    void SetAlignment(TAlignment Value);

    // The rectangle text is laid out in, in client coordinates (EM_GETRECT).
    TRect GetFormatRect() const;
    // The caret's offset in the text; the selection runs from the anchor to it.
    int CaretPos() const { return m_caret; }
    // Where the caret is drawn, in client coordinates (its top).
    TPoint CaretPoint();

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;

    // Runs after every change of the text, from typing or from code; fires OnChange.
    virtual void Change();
    // The text a change would produce is offered here first; a descendant may refuse it.
    virtual bool AcceptsEdit(const std::string& NewText) const;

    bool MultiLine() const;
    // Multi-line descendants set these.
    bool m_wordWrap = false;
    bool m_wantReturns = true;
    bool m_wantTabs = false;
    TScrollStyle m_scrollBars = ssNone;

    // Replaces the selection with Text as typing or pasting does, honouring ReadOnly,
    // MaxLength and CharCase; false when nothing could be inserted.
    bool ReplaceSelection(std::string Text, bool FromUser);
    // Replaces the whole text without the user's limits.
    void ReplaceText(const std::string& Value);
    void SetSelection(int Anchor, int Caret);
    int Anchor() const { return m_anchor; }
    // Where a character position lies, and the position nearest to a client point.
    TPoint PosToPoint(int Pos);
    int PointToPos(TPoint Point);
    int LineCount();
    int LineFromPos(int Pos);
    int FirstVisibleLine() const { return m_topLine; }
    int VisibleLineCount();
    void ScrollToLine(int Line);
    void ScrollHorizontally(int Pixels);
    void ScrollCaret();
    int LineHeight();
    void InvalidateLayout() { m_layoutValid = false; }
    void UpdateScrollBars();

private:
    struct TVisualLine {
        int Start = 0;
        int Length = 0;  // without the line break
    };

    // Editing (CustomEdit.cpp).
    void KeyDownNative(WORD Key);
    void CharNative(char Ch);
    // Types one printable character, given as its UTF-8 bytes.
    void TypeCharacter(const std::string& Utf8);
    void MoveCaret(int Pos, bool Extend);
    int WordLeft(int Pos) const;
    int WordRight(int Pos) const;
    int PrevChar(int Pos) const;
    int NextChar(int Pos) const;
    std::string ApplyCharCase(std::string Text) const;
    void TextChanged();
    void MouseDownNative(TPoint Point, bool Shift, bool Double);
    void MouseMoveNative(TPoint Point);
    // The selected text becomes what a middle click pastes, in this program or another.
    void OfferSelection();
    void PasteSelectionAt(TPoint Point);
    bool HandleEditMessage(TMessage& Message);
    bool HandleEmMessage(TMessage& Message);

    // Layout and painting (CustomEditPaint.cpp).
    void Layout();
    std::string DisplayText(int Start, int Length) const;
    int TextWidthOf(int Start, int Length);
    int LineX(const TVisualLine& Line);
    TAlignment TextAlignment() const;
    void ScrollMessage(int Bar, WPARAM Code);
    void StartCaretBlink();
    void StopCaretBlink();
    void RedrawText();
    void NonClientPaint();
    gfx::Canvas& Measure();

    std::string m_editText;
    int m_anchor = 0;
    int m_caret = 0;
    int m_maxLength = 0;
    TEditCharCase m_charCase = ecNormal;
    TCaseRule m_caseRule = TCaseRule::Locale;
    char m_passwordChar = 0;
    bool m_readOnly = false;
    bool m_autoSelect = true;
    bool m_hideSelection = true;
    TBorderStyle m_borderStyle = bsSingle;
    int m_borderWidth = 0;
    bool m_ctl3D = true;
    TAlignment m_alignment = taLeftJustify;
    bool m_modified = false;
    std::string m_undoText;
    bool m_canUndo = false;

    bool m_hasFormatRect = false;
    TRect m_formatRect;
    std::vector<TVisualLine> m_lines;
    bool m_layoutValid = false;
    int m_layoutWidth = -1;
    int m_topLine = 0;
    int m_scrollX = 0;
    int m_lineHeight = 0;
    int m_caretX = -1;  // the column vertical moves keep, in pixels
    bool m_caretShown = false;
    bool m_selecting = false;
    bool m_updatingScrollBars = false;

    gfx::Bitmap m_measureBitmap{1, 1};
    std::unique_ptr<gfx::Canvas> m_measure;
    std::unique_ptr<TControlCanvas> m_canvas;
};
