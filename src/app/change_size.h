// The reshape callback: viewport, orthographic projection and light position.
#pragma once

void ChangeSize(int w, int h);
