#include "TwoWireBus.h"

bool TwoWireBus::chipsRelease() const
{
    for (auto& chip : chips_)
        if (!chip->sdaReleased())
            return false;
    return true;
}

void TwoWireBus::accept(PartVisitor& visitor)
{
    visitor.visit(*this);
    for (auto& chip : chips_)
        chip->accept(visitor);
}

void TwoWireBus::settle()
{
    sda_ = masterSda_ && chipsRelease();
}

void TwoWireBus::linesChanged(const PortLines& before, const PortLines& now)
{
    if (now.dtr != before.dtr) {
        scl_ = now.dtr;
        for (auto& chip : chips_) {
            if (scl_)
                chip->sclRose(sda_);
            else
                chip->sclFell();
        }
        settle();  // chips change SDA only while SCL is low: no start or stop from them
    }
    if (now.rts != before.rts) {
        bool was = sda_;
        masterSda_ = now.rts;
        settle();
        if (scl_ && sda_ != was) {
            for (auto& chip : chips_) {
                if (sda_)
                    chip->stop();
                else
                    chip->start();
            }
            settle();
        }
    }
    for (PartListener* listener : listeners())
        listener->busLevels(scl_, sda_);
}
