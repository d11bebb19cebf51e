#include "platform/db/controls/DBImage.h"

#include <memory>

#include "platform/vcl/controls/BorderBand.h"
#include "platform/vcl/core/ClassBuilder.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/JPEGImage.h"
#include "platform/win/Windows.h"

namespace {
const TEnumInfo ImageBorderStyleInfo{"TBorderStyle", {"bsNone", "bsSingle"}};
}

const TClassInfo& TDBImage::StaticClassInfo() {
    using C = TDBImage;
    static const TClassInfo info =
        TClassBuilder<C>("TDBImage")
            .Enum("BorderStyle", ImageBorderStyleInfo, &C::GetBorderStyle, &C::SetBorderStyle,
                  bsSingle)
            .Integer("BorderWidth", &C::GetBorderWidth, &C::SetBorderWidth, 0)
            .Boolean("Center", &C::GetCenter, &C::SetCenter, true)
            .String("DataField", &C::GetDataField, &C::SetDataField)
            .Reference("DataSource", &C::GetDataSource, &C::SetDataSource)
            .Boolean("ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
            .Boolean("Stretch", &C::GetStretch, &C::SetStretch)
            .Publish("TabStop")
            .Build();
    return info;
}

TDBImage::TDBImage(TComponent* AOwner) : TCustomControl(AOwner) {
    m_controlStyle |= csOpaque | csReplicatable;
    SetBounds(GetLeft(), GetTop(), 105, 105);
    SetTabStop(true);
    SetColor(clWindow);
    TFieldDataLink& link = m_data.Link();
    link.OnDataChange = [this](TObject*) { LoadPicture(); };
    link.OnUpdateData = [this](TObject*) {
        TField* field = GetField();
        TGraphic* graphic = m_picture.GetGraphic();
        if (!graphic || graphic->GetEmpty()) {
            field->Clear();
        } else {
            std::vector<std::uint8_t> bytes = graphic->SaveToBytes();
            field->SetAsString(std::string(bytes.begin(), bytes.end()));
        }
    };
    m_picture.OnChange = [this](TObject*) {
        if (!m_loading) UserChanged();
        Invalidate();
    };
}

TDBImage::~TDBImage() {
    m_picture.OnChange = nullptr;
    m_data.Link().OnDataChange = nullptr;
    m_data.Link().OnUpdateData = nullptr;
}

void TDBImage::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (m_borderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDBImage::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove) m_data.Removed(AComponent);
}

void TDBImage::SetStretch(bool Value) {
    m_stretch = Value;
    Invalidate();
}

void TDBImage::SetCenter(bool Value) {
    m_center = Value;
    Invalidate();
}

void TDBImage::SetBorderStyle(TBorderStyle Value) {
    if (m_borderStyle == Value) return;
    m_borderStyle = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TDBImage::SetBorderWidth(int Value) {
    if (Value < 0) throw EInvalidOperation("BorderWidth cannot be negative");
    if (Value == m_borderWidth) return;
    m_borderWidth = Value;
    if (HandleAllocated())
        SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TDBImage::LoadPicture() {
    m_loading = true;
    m_undecodable = false;
    m_picture.SetGraphic(nullptr);
    TField* field = GetField();
    const std::string bytes = field ? field->GetAsString() : std::string();
    std::unique_ptr<TGraphic> graphic;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        graphic = std::make_unique<TBitmap>();
    else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
             static_cast<unsigned char>(bytes[1]) == 0xD8)
        graphic = std::make_unique<TJPEGImage>();
    if (graphic) {
        try {
            graphic->LoadFromBytes(std::span<const std::uint8_t>(
                reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
            m_picture.SetGraphic(graphic.get());
        } catch (const std::exception&) {
            // Damaged bytes (or a header asking for an absurd size): no picture is shown.
            m_undecodable = true;
        }
    } else if (!bytes.empty()) {
        m_undecodable = true;
    }
    m_loading = false;
    Invalidate();
}

void TDBImage::UserChanged() {
    // The picture was replaced by the user: it must reach the field when the record posts.
    if (!m_data.Link().Edit()) {
        LoadPicture();
        return;
    }
    m_data.Link().Modified();
    m_undecodable = false;
}

void TDBImage::SetPicture(const TPicture* Value) {
    if (!m_data.Link().Edit()) return;
    m_picture.Assign(Value);
}

void TDBImage::LoadFromFile(const std::string& FileName) {
    if (!m_data.Link().Edit()) return;
    m_picture.LoadFromFile(FileName);
}

void TDBImage::Paint() {
    TCanvas& canvas = *GetCanvas();
    const TRect client = GetClientRect();
    canvas.GetBrush()->SetColor(GetColor());
    canvas.FillRect(client);
    TGraphic* graphic = m_picture.GetGraphic();
    if (graphic && !graphic->GetEmpty()) {
        TRect r = client;
        if (!m_stretch) {
            const int w = graphic->GetWidth(), h = graphic->GetHeight();
            r = {0, 0, w, h};
            if (m_center) r = {(client.Width() - w) / 2, (client.Height() - h) / 2, 0, 0};
            if (m_center) r = {r.left, r.top, r.left + w, r.top + h};
        }
        canvas.StretchDraw(r, graphic);
    }
    if (Focused()) canvas.DrawFocusRect(client);
}

void TDBImage::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
        case VK_DELETE:
            if (m_data.Link().Edit()) m_picture.SetGraphic(nullptr);
            Key = 0;
            break;
        case VK_ESCAPE:
            if (m_data.Link().IsModified()) {
                m_data.Link().Reset();
                Key = 0;
            }
            break;
        default: break;
    }
}

void TDBImage::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (CanFocus() && !Focused()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TDBImage::WndProc(TMessage& Message) {
    if (m_data.AnswerDataLink(Message)) return;
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) Invalidate();
    if (Message.Msg == WM_NCCALCSIZE) BorderBandCalcSize(Message, m_borderWidth);
    TCustomControl::WndProc(Message);
    if (Message.Msg == WM_NCPAINT) BorderBandPaint(m_handle, m_borderWidth, GetColor());
}

void TDBImage::DoExit() {
    m_data.UpdateRecordOnExit();
    TCustomControl::DoExit();
}
