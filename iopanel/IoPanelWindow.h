#pragma once

#include "ControlArray.h"
#include "FormWindow.h"

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// Two panels, each bound to a PCF8574/PCF8574A expander on the two-wire bus: chip type,
// address pins and Read or Write mode; eight output buttons that toggle the pins in Write
// mode, a poll of the pins in Read mode, eight lamps. The serial port is the one the user
// picks among COM1 to COM4; none is open until then.
class IoPanelWindow : public FormWindow {
public:
    explicit IoPanelWindow(MSComm::Setup setup, QWidget* parent = nullptr);

    void Form_Load() override;

    // Panel 1.
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Check1_Click(int index);
    void Command1_Click(int index);
    void Timer1_Timer();
    // Panel 2.
    void Option3_Click(int index);
    void Option4_Click(int index);
    void Check2_Click(int index);
    void Command2_Click(int index);
    void Timer2_Timer();
    // The window.
    void Option5_Click(int index);
    void Command3_Click();

    QGroupBox* settingsFrame1;
    QGroupBox* addressFrame1;
    QGroupBox* chipFrame1;
    QGroupBox* modeFrame1;
    QGroupBox* settingsFrame2;
    QGroupBox* addressFrame2;
    QGroupBox* chipFrame2;
    QGroupBox* modeFrame2;
    QGroupBox* lampsFrame1;
    QGroupBox* lampsFrame2;
    QGroupBox* comportFrame;

    forms::ControlArray<QRadioButton> Option1{"Option1", 0};  // panel 1 mode: 0 Read, 1 Write
    forms::ControlArray<QRadioButton> Option2{"Option2", 0};  // panel 1 chip: 0 PCF8574, 1 PCF8574A
    forms::ControlArray<QCheckBox> Check1{"Check1", 1};      // panel 1 address pins: 1 A0, 2 A1, 3 A2
    forms::ControlArray<QRadioButton> Option3{"Option3", 0};  // panel 2 mode
    forms::ControlArray<QRadioButton> Option4{"Option4", 0};  // panel 2 chip
    forms::ControlArray<QCheckBox> Check2{"Check2", 1};      // panel 2 address pins
    QLineEdit* Text1;
    QLineEdit* Text2;
    forms::ControlArray<QLabel> Image1{"Image1", 0};  // panel 1 lamps, lit
    forms::ControlArray<QLabel> Image2{"Image2", 0};  // panel 1 lamps, unlit
    forms::ControlArray<QPushButton> Command1{"Command1", 0};
    forms::ControlArray<QLabel> Image3{"Image3", 0};  // panel 2 lamps, lit
    forms::ControlArray<QLabel> Image4{"Image4", 0};  // panel 2 lamps, unlit
    forms::ControlArray<QPushButton> Command2{"Command2", 0};
    forms::ControlArray<QRadioButton> Option5{"Option5", 1};  // COM1 to COM4
    QPushButton* Command3;
    QTimer* Timer1;
    QTimer* Timer2;

    // Each panel's bus address byte in its current mode, and the byte last written by one of
    // its output buttons.
    std::uint8_t Addr1 = 0;
    std::uint8_t Addr2 = 0;
    std::uint8_t PortData1 = 0;
    std::uint8_t PortData2 = 0;

protected:
    // While its port waits for the device: the port can still be chosen, and the program left.
    QList<QWidget*> keptWhileSuspended() const override;

private:
    // What the two panels' handlers work on; they differ only in these.
    struct Panel {
        forms::ControlArray<QRadioButton>& mode;
        forms::ControlArray<QRadioButton>& chip;
        forms::ControlArray<QCheckBox>& pins;
        forms::ControlArray<QPushButton>& outputs;
        forms::ControlArray<QLabel>& lit;
        forms::ControlArray<QLabel>& unlit;
        QTimer*& timer;
        QLineEdit*& addressText;
        std::uint8_t& address;
        std::uint8_t& portData;
    };

    void buildSettingsFrame(QGroupBox*& frame, QGroupBox*& addressFrame, QGroupBox*& chipFrame, QGroupBox*& modeFrame,
                            const QString& title, int left, int top, const Panel& panel);
    void buildLampsFrame(QGroupBox*& frame, const QString& title, int left, int top, int height, const Panel& panel);
    void buildTabOrder();

    void modeClicked(const Panel& panel);
    void chipClicked(const Panel& panel);
    void pinClicked(const Panel& panel, int pin);
    void outputClicked(const Panel& panel, int bit);
    void poll(const Panel& panel);
    static void showLamps(const Panel& panel, std::uint8_t value);
    static void showAddress(const Panel& panel);

    void WritePort(std::uint8_t address, std::uint8_t data);
    std::uint8_t readPort(std::uint8_t readAddress);

    Panel panel1_{Option1, Option2, Check1, Command1, Image1, Image2, Timer1, Text1, Addr1, PortData1};
    Panel panel2_{Option3, Option4, Check2, Command2, Image3, Image4, Timer2, Text2, Addr2, PortData2};
};
