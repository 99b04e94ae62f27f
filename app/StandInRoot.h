// A placeholder root for the shell until the game controller takes its place: a coloured quad
// that drifts slowly, so a person can see that the window, the context and the loop work.
#pragma once

#include "app/Application.h"
#include "app/Control.h"

class CStandInRoot : public Control {
public:
    void draw() override;
};

RootElement makeStandInRoot();  // the overlay draws nothing: there is no font in the shell
