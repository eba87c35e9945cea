// SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QEvent>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "screen_reader_news.h"

namespace vorlane {

namespace {

// Kept on a control: what a screen reader hears each time the focus reaches it, as a pupil who
// tabs back to the answer box hears the problem again. Spoken as it comes, never through the
// control's description: Orca 48 reads a description it read shortly before from its own store,
// which would be the previous problem. Sent after the focus has arrived: the reader cuts what it
// is saying both for the control that takes the focus and for an announcement, and the
// announcement is the part that counts.
class HeldNews final : public QObject {
  public:
    static constexpr const char* kName = "vorlane-held-news";

    explicit HeldNews(QWidget& holder) : QObject(&holder), holder_(holder) {
        setObjectName(QLatin1String(kName));
        holder.installEventFilter(this);
    }

    void hold(const QString& text, Urgency urgency) {
        text_ = text;
        urgency_ = urgency;
        if (holder_.hasFocus()) {
            announceSoon();
        }
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            announceSoon();
        }
        return false;
    }

  private:
    void announceSoon() {
        QTimer::singleShot(0, this, [this] {
            QAccessibleAnnouncementEvent announcement(&holder_, text_);
            announcement.setPoliteness(urgency_ == Urgency::Assertive
                                           ? QAccessible::AnnouncementPoliteness::Assertive
                                           : QAccessible::AnnouncementPoliteness::Polite);
            QAccessible::updateAccessibility(&announcement);
        });
    }

    QWidget& holder_;
    QString text_;
    Urgency urgency_ = Urgency::Polite;
};

class AnnouncedNews final : public ScreenReaderNews {
  public:
    void tell(QWidget& holder, const QString& text, Urgency urgency) override {
        auto* held = static_cast<HeldNews*>(
            holder.findChild<QObject*>(QLatin1String(HeldNews::kName), Qt::FindDirectChildrenOnly));
        (held != nullptr ? held : new HeldNews(holder))->hold(text, urgency);
    }
};

}  // namespace

std::unique_ptr<ScreenReaderNews> screenReaderNews() {
    return std::make_unique<AnnouncedNews>();
}

}  // namespace vorlane
