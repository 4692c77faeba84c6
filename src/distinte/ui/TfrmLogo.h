#pragma once

#include "widgets/DialogBase.h"

#include <QImage>

class QLabel;
struct Services;

// " Impostazione logo": shows the reseller logo and lets the user pick a new
// one (JPEG or BMP), go back to the default euro picture, or remove it;
// "Applica e chiudi" stores what the preview shows as `Logo.bmp`.
class TfrmLogo : public DialogBase {
    Q_OBJECT

public:
    TfrmLogo(Services& services, QWidget* owner);

    // The picture in the preview, as it will be stored.
    QImage picture() const { return m_picture; }

    static const QString kBrowseTitle;
    static const QString kBrowseFilter;
    // Said when the chosen logo could not be stored; the screen closes.
    static const QString kNotSaved;

private:
    void showPicture(const QImage& picture);
    void browse();
    void apply();

    Services& m_services;
    QImage m_picture;
    QLabel* m_imgLogo;
};
