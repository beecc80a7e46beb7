// What the picture readers and writers accept: a 640 x 480 game needs no larger picture,
// so anything beyond is taken for a corrupt file.
#pragma once

constexpr int kMaxPictureWidth = 1024;
constexpr int kMaxPictureHeight = 1024;
