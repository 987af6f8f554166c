#pragma once
// The print preview: shows a composed document page by page, zooms, prints it
// through the system's print dialog and saves it as a PDF file where the user
// chooses. The document file belongs to the window: closing it deletes the file.

#include <QDialog>

class QComboBox;
class QLabel;
class QPdfDocument;
class QPdfView;
class QPushButton;

namespace tessaro {

namespace report {
class ReportEngine;
}

class frmPreview : public QDialog {
    Q_OBJECT
public:
    // Zoom list entries: 150 %, 100 %, 75 %, 50 %, 25 %, page width, whole page.
    enum ZoomIndex { Zoom150, Zoom100, Zoom75, Zoom50, Zoom25, ZoomPageWidth, ZoomWholePage };

    // saveName: the file name offered when the document is saved ("データシート").
    explicit frmPreview(const QString& pdfFile, const QString& saveName = {}, QWidget* parent = nullptr);
    ~frmPreview() override;

    // Shows the document modally at the zoom of the list entry; the file is
    // deleted when the window closes.
    static void ShowForm(QWidget* parent, const QString& pdfFile, const QString& saveName = {}, int zoom = Zoom100);

    // Current page (1-based) and last page (1 for a document without pages).
    int page() const;
    int lastPage() const;
    void setPage(int page);
    void setZoom(int index);
    // The zoom factor the view applies (1.0 = 100 %).
    double zoomFactor() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshPage();
    void applyZoom();
    void print();
    void saveAs();

    QString file_;
    QString saveName_;
    QPdfDocument* document_;
    QPdfView* view_;
    QLabel* lblPage_;
    QPushButton* top_;
    QPushButton* prev_;
    QPushButton* next_;
    QPushButton* last_;
    QComboBox* scale_;
};

// Shows the preview of a document the engine has ended, or tells the user
// that the document could not be written (ended: the result of End).
void previewDocument(QWidget* parent, const report::ReportEngine& engine, bool ended, const QString& saveName,
    int zoom = frmPreview::Zoom100);

} // namespace tessaro
