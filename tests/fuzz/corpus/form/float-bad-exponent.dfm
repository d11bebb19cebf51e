object F: TForm
  Tag = -92233720368547757e
end
