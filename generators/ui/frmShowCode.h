// The code preview window the designers share, and the preview text they leave for it.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace qm::generators {

/// The preview text: one string for the whole program, which each designer overwrites before
/// it shows frmShowCode.
std::string &previewText();

/// "Tb Quillmark Preview Code": shows the preview text; nothing is pasted from it.
class frmShowCode final : public QDialog
{
    Q_OBJECT

public:
    explicit frmShowCode(QWidget *parent = nullptr);

    /// Shows the preview window modally over `parent` and returns when it is closed.
    static void showModal(QWidget *parent);
    /// For tests: when set, showModal shows the window without a modal loop, hands it to the
    /// hook and closes it when the hook returns.
    static void setModalHook(std::function<void(frmShowCode &)> hook);

    QPlainTextEdit *Text1;
    QToolButton *picProduct;
    QPushButton *pbClose;

public slots:
    void pbClose_Click();
    void picProduct_Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void showPreviewText();
};

} // namespace qm::generators
