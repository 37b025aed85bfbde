#include "wizards/InsertPointDialog.h"

#include "model/Strings.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

namespace {

// Tags grey, text black; a block's state says whether it ends inside a tag.
class TagHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat grey;
        grey.setForeground(QColor(128, 128, 128));
        bool inTag = previousBlockState() == 1;
        qsizetype from = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!inTag && text[i] == QLatin1Char('<')) {
                inTag = true;
                from = i;
            } else if (inTag && text[i] == QLatin1Char('>')) {
                setFormat(int(from), int(i + 1 - from), grey);
                inTag = false;
            }
        }
        if (inTag)
            setFormat(int(from), int(text.size() - from), grey);
        setCurrentBlockState(inTag ? 1 : 0);
    }
};

} // namespace

InsertPointDialog::InsertPointDialog(Mode mode, const QString& htmlPath, const QString& imagePath,
                                     int insertOffset, Browse browse, QWidget* parent)
    : QDialog(parent), m_values(InsertPointValues::read(htmlPath)), m_browse(std::move(browse)),
      m_view(new QPlainTextEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setWindowTitle(
        Strings::text(mode == Mode::AddImage ? Str::AddImageTitle : Str::AddImageAndMapTitle));
    auto* layout = new QVBoxLayout(this);
    if (mode == Mode::AddImage) {
        auto* row = new QHBoxLayout;
        m_imageEdit = new QLineEdit(imagePath, this);
        auto* browseButton = new QPushButton(Strings::text(Str::BrowseButton), this);
        row->addWidget(new QLabel(Strings::text(Str::ImageFileLabel), this));
        row->addWidget(m_imageEdit, 1);
        row->addWidget(browseButton);
        layout->addLayout(row);
        connect(m_imageEdit, &QLineEdit::textChanged, this, [this] { refresh(); });
        connect(browseButton, &QPushButton::clicked, this, [this] {
            const QString chosen = m_browse ? m_browse(m_imageEdit->text()) : QString();
            if (!chosen.isEmpty())
                m_imageEdit->setText(chosen);
        });
    } else {
        m_fixedImage = imagePath;
    }
    layout->addWidget(new QLabel(Strings::text(Str::InsertPointHint), this));
    // One character a byte, as the insertion offset counts the page.
    m_view->setPlainText(QString::fromLatin1(m_values.shownText()));
    m_view->setReadOnly(true);
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    new TagHighlighter(m_view->document());
    layout->addWidget(m_view, 1);
    m_buttons->button(QDialogButtonBox::Ok)->setText(Strings::text(Str::InsertAtCursor));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_view, &QPlainTextEdit::cursorPositionChanged, this, [this] { refresh(); });
    connect(m_view, &QPlainTextEdit::selectionChanged, this, [this] { refresh(); });
    resize(640, 480);
    setCaret(m_values.initialCaret(insertOffset));
    refresh();
}

QString InsertPointDialog::imagePath() const {
    return m_imageEdit ? m_imageEdit->text().trimmed() : m_fixedImage;
}

int InsertPointDialog::caret() const {
    return m_view->textCursor().position();
}

void InsertPointDialog::setCaret(int caret) {
    QTextCursor cursor = m_view->textCursor();
    cursor.setPosition(caret);
    m_view->setTextCursor(cursor);
    m_view->ensureCursorVisible();
}

bool InsertPointDialog::canAccept() const {
    return m_values.canAccept(caret(), m_view->textCursor().hasSelection(), imagePath());
}

void InsertPointDialog::refresh() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(canAccept());
}

void InsertPointDialog::accept() {
    if (canAccept())
        QDialog::accept();
}

bool InsertPointDialog::run(Mode mode, const QString& htmlPath, QString& imagePath,
                            int& insertOffset, const Browse& browse, QWidget* parent) {
    InsertPointDialog dialog(mode, htmlPath, imagePath, insertOffset, browse, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    imagePath = dialog.imagePath();
    insertOffset = dialog.caret();
    return true;
}
