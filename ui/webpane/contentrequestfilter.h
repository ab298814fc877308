#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// Lets a page reach only the content folder: every request, whether a
// navigation, a frame, a picture, a sound, a style sheet, a script or a
// script's own read, for a file outside the folder is blocked, and so is
// every request that is not local. (Local pages need file access on: in this
// engine, with it off, they load no picture, sound, style or script at all.
// LocalContentCanAccessRemoteUrls alone still lets a page open a WebSocket
// to any server.)
class ContentRequestFilter final : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    // The folder of `page`, a file URL, becomes the one pages may reach.
    void setContentFolderOf(const QUrl &page);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    bool isInContentFolder(const QUrl &url) const;

    QString m_folder; // with a trailing '/'; empty: no file at all
};
