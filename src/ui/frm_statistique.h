#pragma once

#include <QDialog>

#include "dialogs/statistics.h"

namespace cinq::ui {

// The statistics window: the games won by each side at each level in the current match. It reads
// the counters once, when it is created; they belong to Statistics and outlive the window, which
// is created for each showing and closed with its close box.
class FrmStatistique : public QDialog {
    Q_OBJECT
public:
    explicit FrmStatistique(const Statistics& statistics, QWidget* parent = nullptr);
};

}  // namespace cinq::ui
