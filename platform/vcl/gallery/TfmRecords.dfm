object fmRecords: TfmRecords
  Left = 90
  Top = 70
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Records'
  ClientHeight = 470
  ClientWidth = 720
  Color = clBtnFace
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Position = poDesigned
  ActiveControl = grdCommands
  OnCreate = FormCreate
  OnShow = FormShow
  OnCloseQuery = FormCloseQuery
  OnClose = FormClose
  object dbRecords: TSQLiteDatabase
  end
  object tblCommands: TSQLiteTable
    Database = dbRecords
    TableName = 'commands'
    IndexFieldNames = 'command'
  end
  object qryVerbs: TSQLiteQuery
    Database = dbRecords
    SQL = 'SELECT code, title FROM verbs ORDER BY title'
  end
  object tblPictures: TSQLiteTable
    Database = dbRecords
    TableName = 'pictures'
  end
  object dsCommands: TDataSource
    DataSet = tblCommands
    OnStateChange = CommandsStateChange
    OnDataChange = CommandsDataChange
  end
  object dsVerbs: TDataSource
    DataSet = qryVerbs
  end
  object dsPictures: TDataSource
    DataSet = tblPictures
  end
  object grdCommands: TDBGrid
    Left = 8
    Top = 8
    Width = 444
    Height = 290
    DataSource = dsCommands
    TabOrder = 0
    Columns = <
      item
        FieldName = 'command'
        Title.Caption = 'Command'
        Width = 78
      end
      item
        FieldName = 'name'
        Title.Caption = 'Descriptive name'
        Width = 222
      end
      item
        FieldName = 'VerbTitle'
        Title.Caption = 'Verb'
        Width = 100
      end>
  end
  object lblCommand: TLabel
    Left = 464
    Top = 10
    Width = 60
    Height = 13
    Caption = 'Co&mmand'
    FocusControl = edtCommand
  end
  object edtCommand: TDBEdit
    Left = 464
    Top = 26
    Width = 120
    Height = 21
    CharCase = ecUpperCase
    DataField = 'command'
    DataSource = dsCommands
    TabOrder = 1
  end
  object lblName: TLabel
    Left = 464
    Top = 56
    Width = 100
    Height = 13
    Caption = '&Descriptive name'
    FocusControl = edtName
  end
  object edtName: TDBEdit
    Left = 464
    Top = 72
    Width = 248
    Height = 21
    DataField = 'name'
    DataSource = dsCommands
    TabOrder = 2
  end
  object lblVerb: TLabel
    Left = 464
    Top = 102
    Width = 40
    Height = 13
    Caption = '&Verb'
    FocusControl = cbxVerb
  end
  object cbxVerb: TDBLookupComboBox
    Left = 464
    Top = 118
    Width = 160
    Height = 21
    DataField = 'verb'
    DataSource = dsCommands
    KeyField = 'code'
    ListField = 'title'
    ListSource = dsVerbs
    TabOrder = 3
  end
  object lblNotes: TLabel
    Left = 464
    Top = 148
    Width = 40
    Height = 13
    Caption = '&Notes'
    FocusControl = memNotes
  end
  object memNotes: TDBMemo
    Left = 464
    Top = 164
    Width = 248
    Height = 100
    DataField = 'notes'
    DataSource = dsCommands
    ScrollBars = ssVertical
    TabOrder = 4
  end
  object lblState: TLabel
    Left = 464
    Top = 276
    Width = 248
    Height = 13
    Caption = 'Closed'
  end
  object grdPictures: TDBGrid
    Left = 8
    Top = 306
    Width = 300
    Height = 156
    DataSource = dsPictures
    TabOrder = 5
    Columns = <
      item
        FieldName = 'title'
        Title.Caption = 'Picture'
        Width = 240
      end>
  end
  object imgPicture: TDBImage
    Left = 316
    Top = 306
    Width = 136
    Height = 156
    DataField = 'picture'
    DataSource = dsPictures
    TabOrder = 6
  end
  object btnPost: TButton
    Left = 464
    Top = 306
    Width = 75
    Height = 25
    Caption = '&Post'
    TabOrder = 7
    OnClick = btnPostClick
  end
  object btnCancel: TButton
    Left = 548
    Top = 306
    Width = 75
    Height = 25
    Caption = 'C&ancel'
    TabOrder = 8
    OnClick = btnCancelClick
  end
  object btnClose: TButton
    Left = 637
    Top = 437
    Width = 75
    Height = 25
    Caption = '&Close'
    TabOrder = 9
    OnClick = btnCloseClick
  end
end
