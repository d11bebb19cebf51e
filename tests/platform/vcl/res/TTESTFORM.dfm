object TestForm: TTestForm
  object btnOK: TTestWidget
    Caption = 'OK'
    OnClick = btnOKClick
  end
end
