#pragma once
// The types that controls, forms and the application share: the message record, alignment,
// control style, mouse and key state, cursors, modal results and the dialog codes.
#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/vcl/core/Event.h"
#include "platform/win/WinDefs.h"

// One window message on its way through a control's WindowProc; Result is the answer.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};
using TWndMethod = std::function<void(TMessage&)>;

// Alignment, in the VCL's ordinal order; AlignControls places them alTop, alBottom, alLeft,
// alRight, alClient, then alCustom.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
// The parent's edges a control keeps its distance to when the parent is resized.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = unsigned;  // bit n for TAnchorKind n
// The reading order and alignment of a control's text.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
constexpr TAnchors AnchorBit(TAnchorKind Kind) { return 1u << Kind; }
constexpr TAnchors kDefaultAnchors = AnchorBit(akLeft) | AnchorBit(akTop);
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csDesignInteractive = 1u << 2,
    csClickEvents = 1u << 3,
    csFramed = 1u << 4,
    csSetCaption = 1u << 5,
    csOpaque = 1u << 6,
    csDoubleClicks = 1u << 7,
    csFixedWidth = 1u << 8,
    csFixedHeight = 1u << 9,
    csNoDesignVisible = 1u << 10,
    csReplicatable = 1u << 11,
    csNoStdEvents = 1u << 12,
    csDisplayDragImage = 1u << 13,
    csReflector = 1u << 14,
    csActionClient = 1u << 15,
    csMenuEvents = 1u << 16,
    csNeedsBorderPaint = 1u << 17,
    csParentBackground = 1u << 18,
};
using TControlStyle = unsigned;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Bit n stands for the VCL's ordinal n, so the set streams as the VCL's does.
enum TShiftStateFlag : unsigned {
    ssShift = 1u << 0,
    ssAlt = 1u << 1,
    ssCtrl = 1u << 2,
    ssLeft = 1u << 3,
    ssRight = 1u << 4,
    ssMiddle = 1u << 5,
    ssDouble = 1u << 6,
};
using TShiftState = unsigned;

// The shift state of a mouse message's wParam, with the Alt key read from the keyboard.
TShiftState MouseShiftState(WPARAM Keys);
// The shift state of the keyboard now.
TShiftState KeyboardShiftState();

using TMouseEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;

// Cursors: the VCL's numbers, each standing for one of the window manager's shapes.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
// The IDC_ shape of a cursor; crDefault gives IDC_ARROW.
int CursorToIDC(TCursor Cursor);

// Modal results; the first seven are the message box's answers (IDOK ... IDNO).
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// What a control answers to WM_GETDLGCODE: the keys it keeps for itself instead of leaving
// them to the form's dialog navigation.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_HASSETSEL = 0x0008;
constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr LRESULT DLGC_RADIOBUTTON = 0x0040;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;
constexpr LRESULT DLGC_STATIC = 0x0100;
constexpr LRESULT DLGC_BUTTON = 0x2000;

// True when Caption marks Key as its accelerator ("&Save" for S or s).
bool IsAccel(unsigned Key, std::string_view Caption);

// Border styles: a form takes all six, a panel or edit only bsNone and bsSingle.
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
