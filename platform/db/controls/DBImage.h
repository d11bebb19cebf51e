#pragma once
// TDBImage: shows the picture (BMP or JPEG) held in a BLOB field. Bytes that decode to no
// picture show nothing, and the field is written back only when the user changed the
// picture (Delete clears it, LoadFromFile or Picture assignment replaces it).
#include "platform/db/controls/DBControlLink.h"
#include "platform/vcl/controls/CustomControl.h"
#include "platform/vcl/graphics/Picture.h"

class TDBImage : public TCustomControl {
    QV_DECLARE_CLASS(TDBImage, TCustomControl)

    explicit TDBImage(TComponent* AOwner);
    ~TDBImage() override;

    TDataSource* GetDataSource() const { return m_data.GetDataSource(); }
    void SetDataSource(TDataSource* Value) { m_data.SetDataSource(Value); }
    std::string GetDataField() const { return m_data.GetDataField(); }
    void SetDataField(const std::string& Value) { m_data.SetDataField(Value); }
    bool GetReadOnly() const { return m_data.GetReadOnly(); }
    void SetReadOnly(bool Value) { m_data.SetReadOnly(Value); }
    TField* GetField() const { return m_data.GetField(); }
    TFieldDataLink* GetDataLink() { return &m_data.Link(); }
    // Offered an action: the control's own handling first, then its data link's.
    bool ExecuteAction(TBasicAction* Action) override {
        return inherited::ExecuteAction(Action) || m_data.Link().ExecuteAction(Action);
    }
    bool UpdateAction(TBasicAction* Action) override {
        return inherited::UpdateAction(Action) || m_data.Link().UpdateAction(Action);
    }

    TPicture* GetPicture() { return &m_picture; }
    // Replaces the picture as the user's change: the dataset goes into edit mode.
    void SetPicture(const TPicture* Value);
    void LoadFromFile(const std::string& FileName);
    bool GetStretch() const { return m_stretch; }
    void SetStretch(bool Value);
    bool GetCenter() const { return m_center; }
    void SetCenter(bool Value);
    TBorderStyle GetBorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // A band of the control's colour kept free inside the border, around the picture.
    int GetBorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int Value);
    // True when the field held bytes that are no picture this control can show.
    bool GetUndecodable() const { return m_undecodable; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;

private:
    void LoadPicture();
    void UserChanged();

    TDBControlLink m_data{this};
    TPicture m_picture;
    bool m_stretch = false;
    bool m_center = true;
    bool m_loading = false;
    bool m_undecodable = false;
    TBorderStyle m_borderStyle = bsSingle;
    int m_borderWidth = 0;
};
