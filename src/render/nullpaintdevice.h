// A paint device that draws nothing: drawing mode without output, to learn where things would be drawn.
#pragma once

#include <QPaintDevice>

#include <memory>

class QPaintEngine;

// One unit is one point (72 dpi), like the reference device text is measured on.
class NullPaintDevice : public QPaintDevice
{
public:
    NullPaintDevice();
    ~NullPaintDevice() override;
    NullPaintDevice(const NullPaintDevice &) = delete;
    NullPaintDevice &operator=(const NullPaintDevice &) = delete;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
};
