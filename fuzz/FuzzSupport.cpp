#include "FuzzSupport.h"

#include "data/ApplicationIdentity.h"
#include "platform/framework/MessageBox.h"

#include <QDir>
#include <QTemporaryDir>

namespace fuzz {

namespace {
QTemporaryDir& root()
{
    static QTemporaryDir folder;
    return folder;
}
} // namespace

void prepareProcess()
{
    static const bool prepared = [] {
        qputenv("VARNEL_ROOT", root().path().toUtf8());
        QDir(root().path()).mkpath(QStringLiteral("Windows"));
        installApplicationIdentity();
        framework::setMessageResponder([](const framework::MessageRequest& request) {
            return request.buttons == framework::Buttons::YesNo || request.buttons == framework::Buttons::YesNoCancel
                       ? framework::Answer::No
                       : framework::Answer::Ok;
        });
        return true;
    }();
    (void)prepared;
}

QString hostPath(const QString& name) { return root().path() + QLatin1Char('/') + name; }

QString text(const std::uint8_t* data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzz
