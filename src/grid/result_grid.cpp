#include "grid/result_grid.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <stdexcept>

#include "grid/cell_delegate.h"
#include "grid/difference_map.h"
#include "grid/grid_row_model.h"
#include "ui/display_text.h"
#include "ui/units.h"

namespace qfc {

namespace {

// Room above and below a line of text inside a row, in pixels.
constexpr int kRowPadding = 4;
// A selection scrolled into view starts at this fraction of the view's width.
constexpr int kSelectionShownAt = 3;
// Header width until the fill sizes it: room for a few digits.
constexpr double kInitialHeaderTwips = 600;
// The difference map's width: about a third of a scroll bar's.
constexpr double kDifferenceMapTwips = 150;

[[nodiscard]] int ModelColumn(std::int32_t gridColumn) {
  return std::max(gridColumn, kTextColumn) - 1;
}

}  // namespace

ResultGrid::ResultGrid(Side side, QWidget* parent)
    : QTableView(parent),
      side_(side),
      model_(new GridRowModel(this)),
      delegate_(new CellDelegate(this)) {
  setModel(model_);
  setItemDelegate(delegate_);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  // Rows of the two grids line up only while both viewports are equally
  // high, whichever of them is wide enough to do without a scrollbar.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setWordWrap(false);
  setTextElideMode(Qt::ElideRight);
  setCornerButtonEnabled(false);
  setTabKeyNavigation(false);

  horizontalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(false);

  QHeaderView* header = verticalHeader();
  header->setFont(font());
  header->setSectionResizeMode(QHeaderView::Fixed);
  const int rowHeight = QFontMetrics(font()).height() + kRowPadding;
  header->setMinimumSectionSize(rowHeight);
  header->setDefaultSectionSize(rowHeight);
  header->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
  header->setFixedWidth(TwipsToPixels(kInitialHeaderTwips));
  header->viewport()->installEventFilter(this);

  connect(delegate_, &CellDelegate::EditorOpened, this, &ResultGrid::EditorOpened);
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (events_ != nullptr) {
      events_->GridCellClick(side_, index.column() + 1, index.row() + 1);
    }
  });
  connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
    if (events_ != nullptr) {
      events_->GridCellClick(side_, kHeaderColumn, section + 1);
    }
  });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          &ResultGrid::ActiveCellMoved);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ResultGrid::ScrolledTo);

  map_ = new DifferenceMap(
      model_->Rows(),
      DifferenceMap::View{[this] { return TopRow(); },
                          [this] { return std::max(verticalScrollBar()->pageStep(), 1); },
                          [this](std::int32_t row) { SetTopRow(row); }},
      this);
  const auto rowsChanged = [this] { map_->RowsChanged(); };
  connect(model_, &QAbstractItemModel::rowsInserted, map_, rowsChanged);
  connect(model_, &QAbstractItemModel::rowsRemoved, map_, rowsChanged);
  connect(model_, &QAbstractItemModel::modelReset, map_, rowsChanged);
  connect(model_, &QAbstractItemModel::dataChanged, map_, rowsChanged);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, map_, [this] { map_->update(); });
}

void ResultGrid::updateGeometries() {
  QTableView::updateGeometries();
  if (map_ == nullptr) return;  // still in the constructor
  // The table view sets its margins afresh each time, with none on the right.
  const int mapWidth = TwipsToPixels(kDifferenceMapTwips);
  const QMargins margins = viewportMargins();
  if (margins.right() != mapWidth) {
    setViewportMargins(margins.left(), margins.top(), mapWidth, margins.bottom());
  }
  const QRect area = viewport()->geometry();
  map_->setGeometry(area.right() + 1, area.top(), mapWidth, area.height());
}

void ResultGrid::SetChangedTextTint(ChangedTextTint* tint) {
  delegate_->SetTint(tint, side_);
  viewport()->update();
}

const GridRows& ResultGrid::Rows() const { return model_->Rows(); }

std::int32_t ResultGrid::RowCount() const { return model_->RowCount(); }

void ResultGrid::SetRowCount(std::int32_t rows) {
  if (rows < 0) {
    throw std::invalid_argument("row count below zero");
  }
  model_->SetRowCount(rows);
}

std::int32_t ResultGrid::ColumnCount() const { return model_->ColumnCount(); }

void ResultGrid::SetColumnCount(std::int32_t columns) { model_->SetColumnCount(columns); }

std::string ResultGrid::CellText(std::int32_t col, std::int32_t row) const {
  if (row < 1 || row > RowCount()) {
    return {};
  }
  switch (col) {
    case kHeaderColumn:
      return model_->Rows().HeaderText(row);
    case kTextColumn:
      return std::string(model_->Rows().Text(row));
    case kCopyColumn:
      return std::string(model_->Rows().Copy(row));
    default:
      return {};
  }
}

void ResultGrid::SetCellText(std::int32_t col, std::int32_t row, std::string_view text) {
  if (row < 1 || row > RowCount()) {
    throw std::out_of_range("no such row");
  }
  model_->SetCellText(col, row, text);
}

void ResultGrid::SetLineSource(std::shared_ptr<const LineSource> source) {
  model_->SetLineSource(std::move(source));
}

void ResultGrid::SetLineCells(std::int32_t row, std::int32_t lineNo) {
  if (row < 1 || row > RowCount()) {
    throw std::out_of_range("no such row");
  }
  model_->SetLineCells(row, lineNo);
}

ColorValue ResultGrid::ForeColor(std::int32_t col, std::int32_t row) const {
  if (col != kTextColumn || row < 1 || row > RowCount()) {
    return kDefaultTextColor;
  }
  return model_->Rows().ForeColor(row);
}

ColorValue ResultGrid::BackColor(std::int32_t col, std::int32_t row) const {
  if (col != kTextColumn || row < 1 || row > RowCount()) {
    return kDefaultBackColor;
  }
  return model_->Rows().BackColor(row);
}

bool ResultGrid::Resolve(CellBlock& block) const {
  if (block.col2 == -1) {
    block.col2 = block.col;
  }
  if (block.row2 == -1) {
    block.row2 = block.row;
  }
  block.row = std::max(block.row, 1);
  block.row2 = std::min(block.row2, RowCount());
  block.col = std::max(block.col, 0);
  block.col2 = std::min(block.col2, ColumnCount());
  return block.row <= block.row2 && block.col <= block.col2;
}

void ResultGrid::SetBlockForeColor(ColorValue color, CellBlock block) {
  // Only the text column keeps colours; the others answer the defaults.
  if (Resolve(block) && block.col <= kTextColumn && kTextColumn <= block.col2) {
    model_->SetForeColor(color, block.row, block.row2);
  }
}

void ResultGrid::SetBlockBackColor(ColorValue color, CellBlock block) {
  if (Resolve(block) && block.col <= kTextColumn && kTextColumn <= block.col2) {
    model_->SetBackColor(color, block.row, block.row2);
  }
}

void ResultGrid::LockBlock(CellBlock /*block*/) {
  // Every cell is locked: the user has no way to open an editor at all, the
  // program opens one with BeginEdit.
  setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ResultGrid::SetColumnHidden(std::int32_t col, bool hidden) {
  if (col == kHeaderColumn) {
    verticalHeader()->setVisible(!hidden);
    return;
  }
  setColumnHidden(ModelColumn(col), hidden);
}

void ResultGrid::SetColumnWidth(std::int32_t col, double twips) {
  const int pixels = std::max(TwipsToPixels(twips), 0);
  if (col == kHeaderColumn) {
    verticalHeader()->setFixedWidth(pixels);
    return;
  }
  setColumnWidth(ModelColumn(col), pixels);
}

std::int32_t ResultGrid::ActiveRow() const {
  const QModelIndex current = currentIndex();
  if (current.isValid()) {
    return current.row() + 1;
  }
  return RowCount() > 0 ? 1 : 0;
}

std::int32_t ResultGrid::ActiveCol() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.column() + 1 : kTextColumn;
}

void ResultGrid::SetActiveCell(std::int32_t col, std::int32_t row) {
  CatchUp();
  const QModelIndex cell = model_->index(row - 1, ModelColumn(col));
  if (!cell.isValid()) {
    return;
  }
  setCurrentIndex(cell);
  scrollTo(cell);
}

std::int32_t ResultGrid::TopRow() const { return verticalScrollBar()->value() + 1; }

void ResultGrid::SetTopRow(std::int32_t row) {
  CatchUp();
  verticalScrollBar()->setValue(row - 1);
}

std::int32_t ResultGrid::VisibleRowCount() const {
  return viewport()->height() / verticalHeader()->defaultSectionSize();
}

void ResultGrid::SelectBlock(CellBlock block) { SelectCells(block); }

void ResultGrid::SelectRange(CellBlock block) { SelectCells(block); }

void ResultGrid::SelectCells(CellBlock block) {
  CatchUp();
  if (!Resolve(block)) {
    return;
  }
  const QItemSelection cells(model_->index(block.row - 1, ModelColumn(block.col)),
                             model_->index(block.row2 - 1, ModelColumn(block.col2)));
  selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
}

bool ResultGrid::IsCellSelected(std::int32_t col, std::int32_t row) const {
  return selectionModel()->isSelected(model_->index(row - 1, ModelColumn(col)));
}

void ResultGrid::SetFocus() {
  // The search runs from the Find dialog: the keystroke after a hit must
  // reach the grid, not the dialog, which stays open beside the window.
  activateWindow();
  setFocus(Qt::OtherFocusReason);
}

bool ResultGrid::HasFocus() const {
  return hasFocus() || (editor_ != nullptr && editor_->hasFocus());
}

void ResultGrid::BeginEdit() {
  CatchUp();
  const QModelIndex cell = model_->index(ActiveRow() - 1, ModelColumn(kTextColumn));
  if (!cell.isValid()) {
    return;
  }
  if (currentIndex() != cell) {
    setCurrentIndex(cell);
  }
  // A second search hit in the same row finds its editor already open.
  if (state() == QAbstractItemView::EditingState && currentIndex() == cell) {
    return;
  }
  edit(cell);
}

void ResultGrid::SetEditSelection(std::int16_t start, std::int16_t length) {
  if (editor_ == nullptr) {
    return;
  }
  // Positions are bytes of the whole line; the editor holds its shown part,
  // which moves onto the selection when it lies beyond.
  const auto first = static_cast<std::size_t>(std::max<int>(start, 0));
  const auto count = static_cast<std::size_t>(std::max<int>(length, 0));
  const ShownPart before = model_->ShownPartOf(editorRow_);
  model_->ShowPartHolding(editorRow_, first, count);
  const ShownPart part = model_->ShownPartOf(editorRow_);
  const std::string_view bytes = part.Of(model_->Rows().Text(editorRow_));
  if (part.from != before.from || part.to != before.to) {
    editor_->setText(ShownText(bytes));
  }
  const auto inPart = [&](std::size_t at) {
    return ShownPosition(bytes, static_cast<int>(std::clamp(at, part.from, part.to) - part.from));
  };
  const int from = inPart(first);
  const int to = inPart(first + count);
  editor_->setSelection(from, to - from);
  ShowEditSelection();
}

void ResultGrid::ShowEditSelection() {
  // The editor spans the whole text column, which is wider than the view;
  // the cursor stands at the selection's end.
  const int width = editor_->fontMetrics().horizontalAdvance(editor_->selectedText());
  const int end = editor_->mapTo(viewport(), editor_->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
  const int start = end - width;
  if (start >= 0 && end <= viewport()->width()) return;
  QScrollBar* bar = horizontalScrollBar();
  bar->setValue(bar->value() + start - viewport()->width() / kSelectionShownAt);
}

std::string ResultGrid::SelectedText() const {
  if (editor_ == nullptr || !editor_->hasSelectedText()) {
    return {};
  }
  return BytesOfShownText(editor_->selectedText(), EditedBytes());
}

std::string_view ResultGrid::EditedBytes() const {
  return model_->ShownPartOf(editorRow_).Of(model_->Rows().Text(editorRow_));
}

void ResultGrid::CatchUp() {
  model_->Flush();
  executeDelayedItemsLayout();
  updateGeometries();
}

void ResultGrid::EditorOpened(QLineEdit* editor, const QModelIndex& index) {
  editor_ = editor;
  editorRow_ = index.row() + 1;
  // The editor of a line longer than its shown part only selects: an edit
  // would be undone anyway, and taking it back into the whole line would
  // copy the line at every keystroke.
  const ShownPart part = model_->ShownPartOf(editorRow_);
  editor->setReadOnly(part.to - part.from < model_->Rows().Text(editorRow_).size());
  connect(editor, &QLineEdit::textEdited, this, &ResultGrid::EditorTextEdited);
}

void ResultGrid::EditorTextEdited(const QString& text) {
  if (editorRow_ < 1 || editorRow_ > RowCount()) {
    return;
  }
  model_->SetCellText(kTextColumn, editorRow_,
                      BytesOfShownText(text, model_->Rows().Text(editorRow_)));
  if (events_ != nullptr) {
    events_->GridCellTextChange(side_, kTextColumn, editorRow_);
  }
}

void ResultGrid::ActiveCellMoved(const QModelIndex& current, const QModelIndex& previous) {
  if (events_ == nullptr || !current.isValid()) {
    return;
  }
  // A grid that had no active cell reports the move as coming from (1, 1).
  const std::int32_t col = previous.isValid() ? previous.column() + 1 : kTextColumn;
  const std::int32_t row = previous.isValid() ? previous.row() + 1 : 1;
  bool cancel = false;
  events_->GridActiveCellMove(side_, col, row, current.column() + 1, current.row() + 1, cancel);
}

void ResultGrid::ScrolledTo(int value) {
  const std::int32_t oldTop = topRow_;
  topRow_ = value + 1;
  if (events_ != nullptr && topRow_ != oldTop) {
    events_->GridTopRowChange(side_, kTextColumn, oldTop, kTextColumn, topRow_);
  }
}

void ResultGrid::ReportBlockSelection() {
  const QItemSelection selection = selectionModel()->selection();
  if (events_ == nullptr || selection.size() != 1) {
    return;
  }
  const QItemSelectionRange& range = selection.first();
  if (range.height() * range.width() < 2) {
    return;
  }
  events_->GridBlockSelect(side_, range.left() + 1, range.top() + 1, range.right() + 1,
                           range.bottom() + 1);
}

void ResultGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  ReportBlockSelection();
}

void ResultGrid::keyPressEvent(QKeyEvent* event) {
  QTableView::keyPressEvent(event);
  if ((event->modifiers() & Qt::ShiftModifier) != 0) {
    ReportBlockSelection();
  }
}

bool ResultGrid::eventFilter(QObject* watched, QEvent* event) {
  const bool headerRelease =
      watched == verticalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease;
  const bool handled = QTableView::eventFilter(watched, event);
  if (headerRelease) {
    // Row selections made on the header end here; the header has seen the
    // release once this returns, so look at the selection afterwards.
    QMetaObject::invokeMethod(this, &ResultGrid::ReportBlockSelection, Qt::QueuedConnection);
  }
  return handled;
}

}  // namespace qfc
