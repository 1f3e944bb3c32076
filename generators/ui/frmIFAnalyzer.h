// "Control Structure Analyzer": the nesting levels of the selected code's block statements, to
// read, print or paste back.
#pragma once

#include <QWidget>

#include <string>

class QPlainTextEdit;
class QPushButton;

namespace qm::generators {

class frmIFAnalyzer final : public QWidget
{
    Q_OBJECT

public:
    /// Copies the host's selection (or its whole procedure) and analyzes it.
    explicit frmIFAnalyzer(QWidget *parent = nullptr);

    QPlainTextEdit *txtIfAnalyzer;
    QPushButton *pbPrint;
    QPushButton *pbSave;
    QPushButton *pbClose;

    const std::string &report() const { return m_report; }

public slots:
    void pbPrint_Click();
    void pbSave_Click();
    void pbClose_Click();

private:
    void Form_Load();

    std::string m_report;
};

} // namespace qm::generators
