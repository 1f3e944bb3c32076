// The "Track Changes" page of frmApperTab: the Document Block buttons and Delete Blocking.
#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;

namespace qm::changes {

class TrackChangesPage final : public QWidget
{
    Q_OBJECT

public:
    explicit TrackChangesPage(QWidget *parent = nullptr);

    QGroupBox *fraDocumentBlock;
    QPushButton *pbBlockanAdd;
    QPushButton *pbChangeBlock;
    QPushButton *pbCommentDeletion;
    QGroupBox *fraTrackChanges;
    QPushButton *SSCommand3;
    QPushButton *pbShowChanges;

public slots:
    void pbBlockanAdd_Click();
    void pbChangeBlock_Click();
    void pbCommentDeletion_Click();
    void SSCommand3_Click();
    void pbShowChanges_Click();
};

} // namespace qm::changes
