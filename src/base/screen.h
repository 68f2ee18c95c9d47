// The screen every part of the game draws on, and the artwork is made for.
#pragma once

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kScreenDepth = 8;  // bits a pixel: one palette of 256 colours
