#pragma once
// The base of the canvas's tools (font, brush, pen): a persistent object that reports its
// changes through OnChange, so that whoever uses it can repaint.
#include "platform/vcl/core/Event.h"
#include "platform/vcl/core/Persistent.h"

class TGraphicsObject : public TPersistent {
    QV_DECLARE_CLASS(TGraphicsObject, TPersistent)

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};
