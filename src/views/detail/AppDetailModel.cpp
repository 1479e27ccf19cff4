#include "views/detail/AppDetailModel.h"

#include "views/detail/ScreenshotLoader.h"
#include "views/style/ResourceBundle.h"

#include <utility>

AppDetailModel::AppDetailModel(CatalogApp app)
    : m_app(std::move(app))
{
}

QList<AppDetailModel::Screenshot> AppDetailModel::resolvedScreenshots() const
{
    Q_ASSERT(ResourceBundle::callerIsMainThread());
    QList<Screenshot> resolved;
    for (const QString &name : m_app.screenshots) {
        QImage image = ScreenshotLoader::image(name);
        if (!image.isNull())
            resolved.append({ name, std::move(image) });
    }
    return resolved;
}
