object Form1: TForm
  Tag = -9223372036854775808
end
