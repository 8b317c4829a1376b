// The operation run when the window has been created: the balloon tips of the export buttons.
#pragma once

class QWidget;

namespace shell {

void AttachExportTips(QWidget& window);

}  // namespace shell
