// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace {

void ShowMessageBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    MessageWithFullStop(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

ErrorPresenter& Presenter()
{
    static ErrorPresenter presenter = ShowMessageBox;
    return presenter;
}

} // namespace

QString MessageWithFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ReportError(const QString& message)
{
    Presenter()(message);
}

ErrorPresenter SetErrorPresenter(ErrorPresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}

void ReportException(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
}
