// Strokewheel - mouse gestures for CAD drawing views.
// The "Mouse Gestures" configuration dialog.
#include "dialog/K2DonutDialogManager.h"

#include "ui_K2DonutDialogManager.h"

#include "config/K2GestureConfig.h"
#include "dialog/K2CommandModelDelegate.h"
#include "dialog/K2CommandRZModel.h"
#include "dialog/K2CommandRZSortFilterProxyModel.h"
#include "dialog/K2PrintDocument.h"
#include "dialog/MyStyle.h"
#include "hostaccess/K2Host.h"
#include "host/CFxSystemServices.h"
#include "host/CFxUICustomization.h"
#include "host/CFxUtils.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>

namespace {

constexpr Qt::WindowFlags kDialogFlags =
    Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
constexpr int kHelpContextId = 9000;
constexpr unsigned kResetQuestionFlags = CFxSystemServices::kOkCancel | CFxSystemServices::kIconExclamation;

} // namespace

K2DonutDialogManager::K2DonutDialogManager(QWidget *parent, bool baseOption, bool openedInSheet)
    : CFxDialog(parent, baseOption, kDialogFlags),
      m_ui(new Ui::K2DonutDialogManagerClass),
      m_regionModel(parent),
      m_openedInSheet(openedInSheet)
{
    m_ui->setupUi(this);

    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setMinimumWidth(width());
    setMaximumWidth(width());

    fillCategories();

    connect(m_ui->buttonBox->button(QDialogButtonBox::Help), SIGNAL(clicked()), this, SLOT(Help()));
    connect(m_ui->buttonBox->button(QDialogButtonBox::Ok), SIGNAL(clicked()), this, SLOT(okPressed()));
    connect(m_ui->reset_pushButton, SIGNAL(clicked()), this, SLOT(applyDefaultSettings()));
    connect(m_ui->category_comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(applyFilter(int)));
    connect(m_ui->search_lineEdit, SIGNAL(textChanged(const QString &)), this, SLOT(applyFilter(const QString &)));
    connect(m_ui->filter_checkBox, SIGNAL(stateChanged(int)), this, SLOT(applyFilter(int)));
    connect(m_ui->enableGesture_checkBox, SIGNAL(stateChanged(int)), this, SLOT(checkBoxStateChanged(int)));
    connect(m_ui->four_radioButton, SIGNAL(toggled(bool)), this, SLOT(radioButtonStateChanged(bool)));
    connect(m_ui->eight_radioButton, SIGNAL(toggled(bool)), this, SLOT(radioButtonStateChanged(bool)));
    connect(m_ui->print_pushButton, SIGNAL(clicked()), this, SLOT(printList()));

    setUpTable();

    const K2GestureConfig *config = K2GestureConfig::instance();
    // Checking a button fires its toggled(true), which sets the scheme and the region list.
    m_ui->four_radioButton->setChecked(config->eightGestures == 0);
    m_ui->eight_radioButton->setChecked(!m_ui->four_radioButton->isChecked());

    m_ui->enableGesture_checkBox->setChecked(config->enabled);
    if (config->enabled)
        m_ui->reset_pushButton->setEnabled(!isFactoryDefault());
    else
        disableControls(false);

    sizeTable();
    m_ui->description_label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

K2DonutDialogManager::~K2DonutDialogManager()
{
    // The view goes first: it still uses the style, the delegate and the models.
    delete m_ui->command_tableView;
}

int K2DonutDialogManager::GetHelpContextId() const
{
    return kHelpContextId;
}

void K2DonutDialogManager::fillCategories()
{
    QComboBox *categories = m_ui->category_comboBox;
    categories->addItem(tr("All Commands"));
    CFxMenuGroupIteratorPtr groups = GetFxSystemServices()->GetUICustomization()->NewMenuGroupIterator();
    for (; groups && !groups->Done(); groups->Next()) {
        const CFxMenuGroup *group = groups->GetMenuGroup();
        const CFxMenu *menu = group ? group->GetRootMenu() : nullptr;
        if (!menu)
            continue;
        for (int i = 0; i < menu->GetItemCount(); ++i) {
            if (const CFxMenuItem *item = menu->GetItem(i))
                categories->addItem(item->GetCaption().toQString().remove(QLatin1Char('&')));
        }
    }
    categories->addItem(tr("Others"));
    categories->setCurrentIndex(0);
}

void K2DonutDialogManager::setUpTable()
{
    K2CommandTableView *view = m_ui->command_tableView;
    m_model.reset(new K2CommandRZModel(this));
    m_style.reset(new MyStyle);
    view->setStyle(m_style.get());

    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setEditTriggers(QAbstractItemView::AllEditTriggers);
    view->setSortingEnabled(true);

    m_proxy.reset(new K2CommandRZSortFilterProxyModel);
    m_proxy->setSourceModel(m_model.get());
    // Texts that Qt may keep are built at run time, not literals of the module file.
    if (!CFxUtils::IsDarkStyleDialogUsed())
        view->setStyleSheet(
            QString::fromLatin1("*{selection-color:rgb(0,0,0);selection-background-color:rgb(220,220,220);}"));

    view->setModel(m_proxy.get());
    m_delegate.reset(new K2CommandModelDelegate(&m_regionModel, nullptr));
    view->setItemDelegate(m_delegate.get());
    view->sortByColumn(0, Qt::AscendingOrder);

    connect(view, SIGNAL(pressed(QModelIndex)), this, SLOT(openEditor(QModelIndex)));
}

void K2DonutDialogManager::sizeTable()
{
    K2CommandTableView *view = m_ui->command_tableView;
    QHeaderView *header = view->horizontalHeader();
    view->setColumnWidth(K2CommandRZModel::IconColumn, 10);
    view->setColumnWidth(K2CommandRZModel::CommandColumn, int(header->defaultSectionSize() * 2.1));
    view->setColumnWidth(K2CommandRZModel::SelectColumn, 10);

    QHeaderView *rows = view->verticalHeader();
    rows->setDefaultSectionSize(QFontMetrics(view->font()).height() + 12);
    rows->setStyleSheet(QString::fromLatin1("QHeaderView::section {padding-bottom: 0px;padding-top: 0px;"
                                            "padding-left: 0px;padding-right: 0px;margin: 0px;}"));
}

QIcon K2DonutDialogManager::directionIcon(int number, Surface surface) const
{
    static const char *const fourDirections[] = {"up", "left", "down", "right"};
    static const char *const eightDirections[] = {"up",   "up_left",    "left",  "down_left",
                                                  "down", "down_right", "right", "up_right"};
    const int regionCount = m_eightGestures ? 8 : 4;
    if (number < 1 || number > regionCount)
        return QIcon();
    static const QString variant;
    static const QString directory = QString::fromLatin1(":/strokewheelimages/Resources");
    const char *name = m_eightGestures ? eightDirections[number - 1] : fourDirections[number - 1];
    if (surface == OnPaper)
        return QIcon(directory + QStringLiteral("/svg_icons/light/") + QLatin1String(name) + QStringLiteral(".svg"));
    return CFxUtils::loadIcon(QLatin1String(name), variant, directory, 0);
}

bool K2DonutDialogManager::isFactoryDefault() const
{
    if (m_ui->four_radioButton->isChecked())
        return false;
    return K2GestureConfig::instance()->matchesFactoryEightGestures();
}

QString K2DonutDialogManager::searchText() const
{
    return m_ui->search_lineEdit->text();
}

QString K2DonutDialogManager::categoryText() const
{
    return m_ui->category_comboBox->currentText();
}

bool K2DonutDialogManager::assignedOnly() const
{
    return m_ui->filter_checkBox->isChecked();
}

void K2DonutDialogManager::enableResetButton()
{
    m_ui->reset_pushButton->setEnabled(true);
}

void K2DonutDialogManager::checkBoxStateChanged(int state)
{
    disableControls(state == Qt::Checked);
}

void K2DonutDialogManager::radioButtonStateChanged(bool checked)
{
    Q_UNUSED(checked) // both buttons report; the final state is read from them
    if (m_ui->four_radioButton->isChecked()) {
        m_eightGestures = 0;
        m_ui->reset_pushButton->setEnabled(true);
    } else {
        m_eightGestures = 1;
    }

    const int regionCount = m_eightGestures ? 8 : 4;
    m_regionModel.setRowCount(regionCount);
    m_regionModel.setColumnCount(1);
    m_regionModel.setItem(0, 0, new QStandardItem(tr("None")));
    for (int number = 1; number <= regionCount; ++number) {
        auto *item = new QStandardItem;
        item->setData(directionIcon(number), Qt::DecorationRole);
        m_regionModel.setItem(number, 0, item);
    }

    if (auto *proxy = qobject_cast<K2CommandRZSortFilterProxyModel *>(m_ui->command_tableView->model()))
        proxy->invalidateFilter();
    // Rows that stay shown change their Select arrows without a change of data the view hears of.
    m_ui->command_tableView->viewport()->update();
}

void K2DonutDialogManager::applyFilter(const QString &text)
{
    Q_UNUSED(text)
    applyFilter();
}

void K2DonutDialogManager::applyFilter(int value)
{
    Q_UNUSED(value)
    applyFilter();
}

void K2DonutDialogManager::applyFilter()
{
    m_proxy->invalidateFilter();
}

void K2DonutDialogManager::okPressed()
{
    const QVector<K2CommandInfo> entries = m_model->entries();
    K2GestureConfig::instance()->save(entries, m_ui->enableGesture_checkBox->isChecked(), m_eightGestures);
    CFxDialog::accept();
}

void K2DonutDialogManager::disableControls(bool enable)
{
    QWidget *const controls[] = {m_ui->category_comboBox, m_ui->search_lineEdit,   m_ui->filter_checkBox,
                                 m_ui->four_radioButton,  m_ui->eight_radioButton, m_ui->print_pushButton,
                                 m_ui->reset_pushButton,  m_ui->command_tableView};
    for (QWidget *control : controls)
        control->setEnabled(enable);
}

void K2DonutDialogManager::disableControls()
{
    disableControls(false);
}

void K2DonutDialogManager::viewSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    Q_UNUSED(selected)
    Q_UNUSED(deselected)
    describeSelection(false);
}

void K2DonutDialogManager::applyDefaultSettings()
{
    const QString question = tr("This will delete all of the user defined mouse gestures and reset to the "
                                "factory defaults. Do you want to continue?");
    if (GetFxSystemServices()->ShowMessage(question, K2Host::appTitle(), kResetQuestionFlags)
        != CFxSystemServices::kAnswerOk)
        return;
    K2GestureConfig::instance()->restoreFactorySettings();
    m_model->reload();
    m_ui->eight_radioButton->setChecked(true);
    m_ui->reset_pushButton->setEnabled(!isFactoryDefault());
}

void K2DonutDialogManager::printList()
{
    const auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const auto printDialog = std::make_unique<QPrintDialog>(printer.get(), this);
    if (printDialog->exec() != QDialog::Accepted)
        return;
    const std::unique_ptr<QTextDocument> document(buildPrintDocument(m_ui->command_tableView->model()));
    document->print(printer.get());
    // Qt only warns on stderr; the user has to learn that nothing came out, and why.
    if (printer->printerState() != QPrinter::Error)
        return;
    QString reason = tr("the printer reported an error.");
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        QFile file(printer->outputFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            reason = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    }
    GetFxSystemServices()->ShowMessage(tr("The gesture list could not be printed: %1").arg(reason), K2Host::appTitle(),
                                       CFxSystemServices::kOk | CFxSystemServices::kIconExclamation);
}

void K2DonutDialogManager::openEditor(const QModelIndex &index)
{
    Q_UNUSED(index) // the selection decides
    describeSelection(true);
}

void K2DonutDialogManager::describeSelection(bool withRestriction)
{
    K2CommandTableView *view = m_ui->command_tableView;
    QLabel *description = m_ui->description_label;
    const QModelIndexList rows = view->selectionModel()->selectedRows(0);
    if (rows.size() != 1) {
        description->setEnabled(rows.isEmpty());
        description->setText(QString());
        return;
    }
    description->setEnabled(true);
    const K2CommandInfo &entry = m_model->entries().at(m_proxy->mapToSource(rows.first()).row());
    QString text = entry.helpText;

    if (withRestriction) {
        CFxString command(entry.macro);
        command.trimLeft(QStringLiteral("^C^C"));
        CommandMode mode = kCommandAnywhere;
        bool restricted = CFxUtils::IsRestrictedCommand(command, mode);
        if (restricted) {
            switch (mode) {
            case kCommandBlockEditorOnly:
                text += QLatin1Char('\n') + tr("Command active in block editor only.");
                break;
            case kCommandEditComponentOnly:
                text += QLatin1Char('\n') + tr("Command active during EditComponent only.");
                break;
            case kCommandSheetOnly:
                text += QLatin1Char('\n') + tr("Command active in Sheet area only");
                // In a sheet the command works where the gesture is made.
                if (m_openedInSheet) {
                    restricted = false;
                    mode = kCommandAnywhere;
                }
                break;
            default:
                break;
            }
        }
        description->setText(text);
        m_model->setRestriction(restricted, mode);
    } else {
        description->setText(text);
    }
    view->edit(m_proxy->index(rows.first().row(), K2CommandRZModel::SelectColumn));
}
