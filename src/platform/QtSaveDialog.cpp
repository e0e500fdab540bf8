#include "platform/QtSaveDialog.h"

#include <QDir>
#include <QFileDialog>

namespace plumbrule {

std::string QtSaveDialog::askFileName(const Request& request) {
    const QString proposed = QDir(QString::fromStdString(request.folder))
                                 .filePath(QString::fromStdString(request.fileName));
    return QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title), proposed,
                                        QString::fromStdString(request.filter))
        .toStdString();
}

}  // namespace plumbrule
