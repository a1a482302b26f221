// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SharedHistory.h"

#include <vector>

namespace gw {

void ForgetSteps(QUndoStack& history, const QObject* owner) {
    std::vector<DocumentStep*> kept;
    for (int i = 0; i < history.index(); ++i) {
        const auto* step = dynamic_cast<const DocumentStep*>(history.command(i));
        if (step && step->owner() != owner) kept.push_back(step->CopyAsDone());
    }
    history.clear();
    for (DocumentStep* step : kept) history.push(step);
}

}  // namespace gw
