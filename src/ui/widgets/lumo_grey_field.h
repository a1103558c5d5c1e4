#pragma once
// LumoGreyField: a depth 0..255 shown twice, as a grey bar and as a number
// field, which follow each other. The value is confirmed when the bar is
// let go or Return is pressed in the field.

#include <QWidget>

#include <functional>

class QSpinBox;

namespace lumora {

class LumoGreyBar;

class LumoGreyField : public QWidget
{
public:
    // The bar is named namePrefix + "Bar", the field namePrefix + "Edit".
    explicit LumoGreyField(const QString& namePrefix, QWidget* parent = nullptr);

    int Value() const;
    void SetValue(int value);

    LumoGreyBar* Bar() const { return bar_; }
    QSpinBox* Edit() const { return edit_; }

    void SetOnChanged(std::function<void(int)> onChanged) { onChanged_ = std::move(onChanged); }
    void SetOnConfirmed(std::function<void(int)> onConfirmed)
    {
        onConfirmed_ = std::move(onConfirmed);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Changed(int value);
    void Confirm();

    LumoGreyBar* bar_ = nullptr;
    QSpinBox* edit_ = nullptr;
    std::function<void(int)> onChanged_;
    std::function<void(int)> onConfirmed_;
};

} // namespace lumora
