#pragma once

#include "BoardPart.h"
#include "I2cTarget.h"

#include <memory>
#include <vector>

// The open-drain two-wire bus on the port: DTR is SCL, RTS drives SDA (False pulls it low),
// and CD is asserted exactly while SDA is low. SDA is low while the master or any chip
// pulls it low. Its listeners hear the levels after every change.
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

    bool scl() const { return scl_; }
    bool sda() const { return sda_; }

    void linesChanged(const PortLines& before, const PortLines& now) override;
    bool assertsCd() const override { return !sda_; }
    // The bus, then every chip.
    void accept(PartVisitor& visitor) override;

private:
    bool chipsRelease() const;
    void settle();

    std::vector<std::unique_ptr<I2cTarget>> chips_;
    bool masterSda_ = true;
    bool scl_ = true;
    bool sda_ = true;
};
