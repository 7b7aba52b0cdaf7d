#pragma once
// Irrlicht's .bmp reader unpacks run-length data (8 and 4 bits a pixel) without looking where
// a run ends: a run, copied block or skip past the image writes beyond the buffer it made, and
// data without its end marker is read beyond the file. The helper walks the runs first and
// hands no such file to the reader.

#include <string_view>

// True unless `bytes` are a .bmp ("BM") whose run-length data leaves the image or the file.
bool bmpRunsFit(std::string_view bytes);
