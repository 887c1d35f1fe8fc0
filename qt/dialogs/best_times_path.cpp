#include "qt/dialogs/best_times_path.h"

#include <QFile>
#include <QStandardPaths>

#include "records/best_file.h"

namespace klandor {

std::filesystem::path bestTimesPath() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path(QFile::encodeName(data).toStdString()) / "klandor" / kFileName;
}

}  // namespace klandor
