#pragma once

#include "BoardPart.h"
#include "I2cTarget.h"
#include "TwoWireListener.h"

#include <memory>
#include <vector>

// The open-drain two-wire bus on the port: DTR is SCL, RTS drives SDA (False pulls it low),
// and CD is asserted exactly while SDA is low. SDA is low while the master or any chip
// pulls it low.
class TwoWireBus : public BoardPart {
public:
    template <class Chip, class... Args>
    Chip& add(Args&&... args)
    {
        auto chip = std::make_unique<Chip>(std::forward<Args>(args)...);
        Chip& ref = *chip;
        chips_.push_back(std::move(chip));
        return ref;
    }

    // The chips, in the order they were added.
    const std::vector<std::unique_ptr<I2cTarget>>& chips() { return chips_; }

    // The listener is not owned and must outlive the bus or be removed.
    void addListener(TwoWireListener* listener) { listeners_.push_back(listener); }
    void removeListener(TwoWireListener* listener);

    bool scl() const { return scl_; }
    bool sda() const { return sda_; }

    void linesChanged(const PortLines& before, const PortLines& now) override;
    bool assertsCd() const override { return !sda_; }

private:
    bool chipsRelease() const;
    void settle();

    std::vector<std::unique_ptr<I2cTarget>> chips_;
    std::vector<TwoWireListener*> listeners_;
    bool masterSda_ = true;
    bool scl_ = true;
    bool sda_ = true;
};
