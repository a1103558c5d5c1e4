#pragma once
// TileFxPanel: the "Tile FX" panel of the tile-map window. Each effect
// value has a slider and a number field that mirror each other and a reset
// button; the three mirror effects are check boxes. A finished edit
// (slider released, Return in a field, reset, toggle) hands all nine
// values on through the stored callback.

#include "tilemap/tile_tm.h"

#include <QScrollArea>
#include <functional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QSlider;
class QSpinBox;
class QVBoxLayout;

namespace lumora {

class TileFxPanel : public QScrollArea
{
public:
    explicit TileFxPanel(QWidget* parent = nullptr);

    // Shows the values without reporting them.
    void Load(const TileEffects& effects);
    TileEffects Values() const;
    void SetOnEdited(std::function<void(const TileEffects&)> onEdited)
    {
        onEdited_ = std::move(onEdited);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ValueRow
    {
        QSlider* Slider = nullptr;
        QSpinBox* Number = nullptr;
    };

    void AddValueRow(QGroupBox* group, const char* name, const QString& caption, int minimum,
                     int maximum);
    QCheckBox* AddCheckBox(QGroupBox* group, const char* name, const QString& caption);
    void ReportEdit();

    std::vector<ValueRow> rows_;
    QCheckBox* invert_ = nullptr;
    QCheckBox* mirrorH_ = nullptr;
    QCheckBox* mirrorV_ = nullptr;
    bool loading_ = false;
    int dragStartY_ = -1;
    int dragStartScroll_ = 0;
    std::function<void(const TileEffects&)> onEdited_;
};

} // namespace lumora
