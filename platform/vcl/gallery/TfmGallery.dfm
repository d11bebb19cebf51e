object fmGallery: TfmGallery
  Left = 40
  Top = 30
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Controls gallery'
  ClientHeight = 500
  ClientWidth = 540
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesigned
  OnCreate = FormCreate
  OnShow = FormShow
  object tbMenu: TToolBar
    Left = 0
    Top = 0
    Width = 540
    Height = 22
    Align = alTop
    ButtonHeight = 21
    ButtonWidth = 44
    EdgeBorders = []
    Flat = True
    ShowCaptions = True
    TabOrder = 0
    object tbFile: TToolButton
      Left = 0
      Top = 0
      MenuItem = miFile
    end
    object tbView: TToolButton
      Left = 44
      Top = 0
      MenuItem = miView
    end
    object tbHelp: TToolButton
      Left = 88
      Top = 0
      MenuItem = miHelp
    end
  end
  object tbTools: TToolBar
    Left = 0
    Top = 22
    Width = 540
    Height = 26
    Align = alTop
    ButtonHeight = 22
    ButtonWidth = 50
    EdgeBorders = [ebTop, ebBottom]
    Flat = True
    ShowCaptions = True
    TabOrder = 1
    object tbNew: TToolButton
      Left = 0
      Top = 0
      Caption = 'New'
      OnClick = ToolClick
    end
    object tbBold: TToolButton
      Left = 50
      Top = 0
      Caption = 'Bold'
      Style = tbsCheck
      OnClick = ToolClick
    end
    object tbSeparator: TToolButton
      Left = 100
      Top = 0
      Width = 8
      Style = tbsSeparator
    end
    object tbViewMenu: TToolButton
      Left = 108
      Top = 0
      MenuItem = miView
    end
    object tbMore: TToolButton
      Left = 158
      Top = 0
      Caption = 'More'
      DropdownMenu = pmList
      Style = tbsDropDown
      OnClick = ToolClick
    end
  end
  object lblTitle: TLabel
    Left = 8
    Top = 56
    Caption = 'Every platform control'
    Font.Height = -13
    Font.Style = [fsBold]
    ParentFont = False
  end
  object imgPicture: TImage
    Left = 8
    Top = 78
    Width = 200
    Height = 48
  end
  object pnlChoices: TPanel
    Left = 8
    Top = 134
    Width = 200
    Height = 84
    BevelOuter = bvLowered
    Caption = ''
    TabOrder = 2
    object chkBold: TCheckBox
      Left = 8
      Top = 8
      Width = 88
      Height = 17
      Caption = '&Bold'
      TabOrder = 0
      OnClick = CheckClick
    end
    object chkItalic: TCheckBox
      Left = 8
      Top = 32
      Width = 88
      Height = 17
      Caption = '&Italic'
      State = cbChecked
      TabOrder = 1
      OnClick = CheckClick
    end
    object chkDisabled: TCheckBox
      Left = 8
      Top = 56
      Width = 88
      Height = 17
      Caption = 'Disabled'
      Enabled = False
      TabOrder = 2
    end
    object rbtnSmall: TRadioButton
      Left = 104
      Top = 8
      Width = 88
      Height = 17
      Caption = 'S&mall'
      Checked = True
      TabOrder = 3
      OnClick = RadioClick
    end
    object rbtnLarge: TRadioButton
      Left = 104
      Top = 32
      Width = 88
      Height = 17
      Caption = '&Large'
      TabOrder = 4
      OnClick = RadioClick
    end
  end
  object btnHello: TButton
    Left = 8
    Top = 226
    Width = 96
    Height = 25
    Caption = '&Hello'
    Default = True
    TabOrder = 3
    OnClick = ButtonClick
  end
  object btnClose: TButton
    Left = 112
    Top = 226
    Width = 96
    Height = 25
    Cancel = True
    Caption = 'Close'
    TabOrder = 4
    OnClick = btnCloseClick
  end
  object lblName: TLabel
    Left = 8
    Top = 260
    Caption = '&Name:'
    FocusControl = edtName
  end
  object edtName: TEdit
    Left = 8
    Top = 276
    Width = 200
    Height = 21
    TabOrder = 5
    Text = ''
    OnChange = EditChange
    OnEnter = EditEnter
  end
  object lblPhone: TLabel
    Left = 8
    Top = 304
    Caption = '&Phone:'
    FocusControl = medPhone
  end
  object medPhone: TMaskEdit
    Left = 8
    Top = 320
    Width = 200
    Height = 21
    EditMask = '!(999) 000-0000;1;_'
    MaxLength = 14
    TabOrder = 6
    Text = '(   )    -    '
    OnChange = EditChange
    OnEnter = EditEnter
  end
  object memNotes: TMemo
    Left = 8
    Top = 350
    Width = 200
    Height = 120
    Lines.Strings = (
      'A memo with word wrap and a vertical scroll bar.'
      'Second line.'
      'Third line.'
      'Fourth line.'
      'Fifth line.'
      'Sixth line.'
      'Seventh line.'
      'Eighth line.')
    ScrollBars = ssVertical
    TabOrder = 7
    OnChange = EditChange
    OnEnter = EditEnter
  end
  object lvFiles: TListView
    Left = 220
    Top = 56
    Width = 284
    Height = 140
    Columns = <
      item
        Caption = 'Name'
        Width = 110
      end
      item
        Caption = 'Kind'
        Width = 90
      end
      item
        Alignment = taRightJustify
        Caption = 'Size'
        Width = 60
      end>
    HideSelection = False
    PopupMenu = pmList
    ReadOnly = True
    RowSelect = True
    TabOrder = 8
    ViewStyle = vsReport
    OnSelectItem = ListViewSelectItem
  end
  object lbxColours: TListBox
    Left = 220
    Top = 204
    Width = 138
    Height = 100
    ItemHeight = 13
    Items.Strings = (
      'Black'
      'Maroon'
      'Green'
      'Olive'
      'Navy'
      'Purple'
      'Teal'
      'Gray'
      'Silver'
      'Red')
    TabOrder = 9
    OnClick = ListBoxClick
  end
  object clbParts: TCheckListBox
    Left = 366
    Top = 204
    Width = 138
    Height = 100
    ItemHeight = 13
    Items.Strings = (
      'Frame'
      'Title bar'
      'Menu bar'
      'Buttons'
      'Edits')
    TabOrder = 10
    OnClickCheck = CheckListClick
  end
  object cbxStyle: TComboBox
    Left = 220
    Top = 312
    Width = 138
    Height = 21
    Style = csDropDownList
    DropDownCount = 6
    Items.Strings = (
      'MacOS'
      'WinXP'
      'DeepBlue'
      'Protein'
      'BlueGlass')
    ItemIndex = 2
    TabOrder = 11
    OnCloseUp = ComboCloseUp
    OnDropDown = ComboDropDown
    OnSelect = ComboSelect
  end
  object cbxCity: TComboBox
    Left = 366
    Top = 312
    Width = 138
    Height = 21
    Items.Strings = (
      'Amsterdam'
      'Berlin'
      'Copenhagen'
      'Dublin')
    ItemIndex = 1
    TabOrder = 12
    OnChange = EditChange
    OnCloseUp = ComboCloseUp
    OnDropDown = ComboDropDown
    OnSelect = ComboSelect
  end
  object sbHorizontal: TScrollBar
    Left = 220
    Top = 344
    Width = 284
    Height = 17
    LargeChange = 10
    Max = 100
    TabOrder = 13
    OnChange = ScrollChange
  end
  object sbVertical: TScrollBar
    Left = 512
    Top = 56
    Width = 17
    Height = 305
    Kind = sbVertical
    LargeChange = 10
    Max = 100
    TabOrder = 14
    OnChange = ScrollChange
  end
  object lblScroll: TLabel
    Left = 220
    Top = 370
    Caption = 'Scroll bars at 0 and 0.'
  end
  object lblStatus: TLabel
    Left = 220
    Top = 454
    Width = 284
    Height = 16
    AutoSize = False
    Caption = 'Ready.'
  end
  object mmMain: TMainMenu
    object miFile: TMenuItem
      Caption = '&File'
      object miNew: TMenuItem
        Caption = '&New'
        ShortCut = 16462
        OnClick = MenuClick
      end
      object miOpen: TMenuItem
        Caption = '&Open...'
        ShortCut = 16463
        OnClick = MenuClick
      end
      object miRecords: TMenuItem
        Caption = '&Records...'
        OnClick = miRecordsClick
      end
      object miLine1: TMenuItem
        Caption = '-'
      end
      object miExit: TMenuItem
        Caption = 'E&xit'
        OnClick = miExitClick
      end
    end
    object miView: TMenuItem
      Caption = '&View'
      object miToolBar: TMenuItem
        AutoCheck = True
        Caption = '&Tool bar'
        Checked = True
        OnClick = MenuClick
      end
      object miGrid: TMenuItem
        AutoCheck = True
        Caption = '&Grid lines'
        OnClick = MenuClick
      end
      object miDisabled: TMenuItem
        Caption = 'Disabled item'
        Enabled = False
      end
    end
    object miHelp: TMenuItem
      Caption = '&Help'
      object miAbout: TMenuItem
        Caption = '&About...'
        OnClick = MenuClick
      end
    end
  end
  object pmList: TPopupMenu
    object piOpen: TMenuItem
      Caption = '&Open'
      Default = True
      OnClick = MenuClick
    end
    object piRename: TMenuItem
      Caption = '&Rename'
      OnClick = MenuClick
    end
    object piLine: TMenuItem
      Caption = '-'
    end
    object piDelete: TMenuItem
      Caption = '&Delete'
      ShortCut = 46
      OnClick = MenuClick
    end
  end
end
