object Form1: TForm
  Tag = 18446744073709551615
end
