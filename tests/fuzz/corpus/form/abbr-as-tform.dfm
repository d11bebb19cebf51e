object fmAbbr: TForm
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Quorvane'
  ClientHeight = 223
  ClientWidth = 390
  Color = clBtnFace
  Constraints.MinHeight = 50
  Constraints.MinWidth = 130
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poDesktopCenter
  Scaled = False
  PixelsPerInch = 96
  TextHeight = 13
  object skForm1: TPanel
    Left = 0
    Top = 0
    Width = 390
    Height = 223
    BevelOuter = bvNone
    Caption = ''
    Color = 15198183
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
    TabOrder = 0
    object Label1: TLabel
      Left = 32
      Top = 56
      Width = 38
      Height = 13
      Caption = 'Title : '
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object Label2: TLabel
      Left = 33
      Top = 87
      Width = 35
      Height = 13
      Caption = 'Info : '
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object Label3: TLabel
      Left = 17
      Top = 121
      Width = 46
      Height = 13
      Caption = 'Sample:'
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object Label4: TLabel
      Left = 34
      Top = 155
      Width = 37
      Height = 13
      Caption = 'Flag : '
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
      Transparent = True
    end
    object edtTitle: TEdit
      Left = 79
      Top = 54
      Width = 121
      Height = 19
      CharCase = ecUpperCase
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      MaxLength = 0
      ParentFont = False
      TabOrder = 1
    end
    object edtInfo: TEdit
      Left = 79
      Top = 85
      Width = 286
      Height = 19
      CharCase = ecNormal
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      MaxLength = 0
      ParentFont = False
      TabOrder = 2
    end
    object edtSample: TEdit
      Left = 80
      Top = 118
      Width = 169
      Height = 19
      CharCase = ecUpperCase
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      MaxLength = 0
      ParentFont = False
      TabOrder = 3
    end
    object chkCommand: TCheckBox
      Left = 79
      Top = 152
      Width = 70
      Height = 21
      Caption = 'Command'
      Checked = False
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 4
    end
    object chkKeyword: TCheckBox
      Left = 184
      Top = 153
      Width = 64
      Height = 21
      Caption = 'Keyword'
      Checked = False
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ParentFont = False
      TabOrder = 5
    end
    object btnOK: TButton
      Left = 191
      Top = 188
      Width = 80
      Height = 27
      Caption = 'OK'
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ModalResult = 0
      ParentFont = False
      TabOrder = 6
    end
    object btnCancel: TButton
      Left = 287
      Top = 188
      Width = 80
      Height = 27
      Caption = 'Cancel'
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = []
      ModalResult = 2
      ParentFont = False
      TabOrder = 7
    end
  end
end
