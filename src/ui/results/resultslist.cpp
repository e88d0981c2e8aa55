#include "resultslist.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

#include "uitext.h"

namespace lineer::ui {

namespace {

// Characters, not bytes: UTF-8 continuation bytes do not count.
std::size_t charCount(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

QFont monospaceFont(int pixelSize) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), f.family(), QStringLiteral("Monospace")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(pixelSize);
    return f;
}

ResultsModel::ResultsModel(QObject* parent) : QAbstractListModel(parent) { setFont(QFont()); }

void ResultsModel::setFont(const QFont& font) {
    font_ = font;
    arrowInFont_ = QFontMetrics(font_).inFontUcs4(0x2190);
    measure(0);
    if (shown_ > 0) emit dataChanged(index(0), index(static_cast<int>(shown_) - 1), {Qt::SizeHintRole});
}

void ResultsModel::append(ResultLine line) {
    lines_.push_back(std::move(line));
    if (lines_.size() - shown_ >= kBatch) flush();
}

void ResultsModel::flush() {
    if (shown_ == lines_.size()) return;
    // Every row reports the widest line's width; the insertion makes the
    // view measure its rows again.
    measure(shown_);
    beginInsertRows(QModelIndex(), static_cast<int>(shown_), static_cast<int>(lines_.size()) - 1);
    shown_ = lines_.size();
    endInsertRows();
}

void ResultsModel::clear() {
    beginResetModel();
    lines_.clear();
    lines_.shrink_to_fit();
    shown_ = 0;
    endResetModel();
    measure(0);
}

void ResultsModel::measure(std::size_t from) {
    if (from == 0) widest_ = widestChars_ = 0;
    for (std::size_t i = from; i < lines_.size(); ++i) {
        const std::size_t c = charCount(lines_[i].text);
        if (c > widestChars_) {
            widestChars_ = c;
            widest_ = i;
        }
    }
    const QFontMetrics fm(font_);
    // Only the widest line is measured; with a fixed-pitch font its width
    // is the list's width.
    const int w = lines_.empty() ? 0 : fm.horizontalAdvance(QString::fromStdString(lines_[widest_].text));
    rowSize_ = QSize(w + 2 * fm.averageCharWidth(), fm.height() + 1);
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || static_cast<std::size_t>(index.row()) >= shown_) return {};
    switch (role) {
        case Qt::DisplayRole: {
            QString shown = QString::fromStdString(lines_[static_cast<std::size_t>(index.row())].text);
            // A glyph from another font would stand out at another size.
            if (!arrowInFont_) shown.replace(QChar(0x2190), QStringLiteral("<-"));
            return shown;
        }
        case Qt::SizeHintRole: return rowSize_;
        default: return {};
    }
}

QString ResultsModel::allText() const {
    std::string all;
    std::size_t total = 0;
    for (const auto& l : lines_) total += l.text.size() + 1;
    all.reserve(total);
    for (const auto& l : lines_) {
        all += l.text;
        all += '\n';
    }
    return QString::fromStdString(all);
}

ResultsView::ResultsView(QWidget* parent) : QListView(parent), model_(new ResultsModel(this)) {
    setFont(monospaceFont(12));
    model_->setFont(font());
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    // The strip: the warning icon, the remarks, and a button that puts it
    // away until the next run.
    strip_ = new QFrame(this);
    strip_->setObjectName(QStringLiteral("RemarkStrip"));
    strip_->setAutoFillBackground(true);
    QPalette colours = strip_->palette();
    colours.setColor(QPalette::Window, QColor(0xff, 0xf4, 0xd6));
    colours.setColor(QPalette::WindowText, Qt::black);
    strip_->setPalette(colours);
    strip_->setFrameShape(QFrame::Box);
    auto* row = new QHBoxLayout(strip_);
    row->setContentsMargins(4, 2, 2, 2);
    auto* icon = new QLabel(strip_);
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);
    stripText_ = new QLabel(strip_);
    // Sentences, not columns: the window's own font.
    stripText_->setFont(QApplication::font());
    stripText_->setWordWrap(true);
    stripText_->setTextFormat(Qt::PlainText);
    stripText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    stripText_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* close = new QToolButton(strip_);
    close->setObjectName(QStringLiteral("RemarkStripClose"));
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(uiText(Text::CloseButton));
    close->setAccessibleName(uiText(Text::CloseButton));
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(stripText_, 1);
    row->addWidget(close, 0, Qt::AlignTop);
    connect(close, &QToolButton::clicked, strip_, [this] {
        strip_->hide();
        setViewportMargins(0, 0, 0, 0);
    });
    strip_->hide();
}

void ResultsView::addRemark(const QString& text) {
    remarks_ << text;
    stripText_->setText(remarks_.join(QLatin1Char('\n')));
    strip_->show();
    placeStrip();
}

void ResultsView::clearRemarks() {
    remarks_.clear();
    stripText_->clear();
    strip_->hide();
    setViewportMargins(0, 0, 0, 0);
}

void ResultsView::resizeEvent(QResizeEvent* e) {
    QListView::resizeEvent(e);
    if (strip_->isVisible()) placeStrip();
}

void ResultsView::placeStrip() {
    // Up to half the list's height; the lines keep the rest.
    const QRect inside = contentsRect();
    const int height = std::min(strip_->heightForWidth(inside.width()), inside.height() / 2);
    setViewportMargins(0, 0, 0, height);
    const QRect port = viewport()->geometry();
    strip_->setGeometry(port.left(), port.bottom() + 1, port.width(), height);
    strip_->raise();
}

void ResultsView::copySelected() {
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !selectionModel()->isSelected(i)) return;
    QApplication::clipboard()->setText(model_->data(i, Qt::DisplayRole).toString());
}

void ResultsView::copyAll() {
    model_->flush();
    QApplication::clipboard()->setText(model_->allText());
}

void ResultsView::keyPressEvent(QKeyEvent* e) {
    if (e == QKeySequence::Copy) {
        copySelected();
        e->accept();
        return;
    }
    // Ctrl+Home and Ctrl+End reach the ends, as in a text editor.
    if ((e->key() == Qt::Key_Home || e->key() == Qt::Key_End) && e->modifiers() == Qt::ControlModifier &&
        model_->rowCount() > 0) {
        model_->flush();
        const QModelIndex end = model_->index(e->key() == Qt::Key_Home ? 0 : model_->rowCount() - 1);
        setCurrentIndex(end);
        scrollTo(end);
        e->accept();
        return;
    }
    QListView::keyPressEvent(e);
}

void ResultsView::contextMenuEvent(QContextMenuEvent* e) {
    QMenu menu(this);
    const QModelIndex clicked = indexAt(viewport()->mapFromGlobal(e->globalPos()));
    QAction* one = menu.addAction(uiText(Text::CopyLineItem));
    one->setObjectName(QStringLiteral("Kopyala"));
    one->setEnabled(clicked.isValid());
    connect(one, &QAction::triggered, this, [this, clicked] {
        QApplication::clipboard()->setText(model_->data(clicked, Qt::DisplayRole).toString());
    });
    QAction* all = menu.addAction(uiText(Text::CopyAllItem));
    all->setObjectName(QStringLiteral("TumunuKopyala"));
    all->setEnabled(model_->lineCount() > 0);
    connect(all, &QAction::triggered, this, &ResultsView::copyAll);
    menu.exec(e->globalPos());
}

void ResultsView::flushAndShowFrom(std::size_t from) {
    model_->flush();
    if (model_->lineCount() <= from) return;
    scrollTo(model_->index(static_cast<int>(from)), QAbstractItemView::PositionAtTop);
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

void ResultsView::flushAndShowRun(std::size_t from) {
    flushAndShowFrom(from);
    if (model_->lineCount() <= from) return;
    // A run longer than the view ends with its result at the bottom, read
    // from the left edge.
    scrollTo(model_->index(static_cast<int>(model_->lineCount()) - 1), QAbstractItemView::EnsureVisible);
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
}

}  // namespace lineer::ui
