#include "options/controllerspage.h"

#include "game/commands.h"
#include "platform/dialogs.h"
#include "platform/joystickreader.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum DeviceRole { GuidRole = Qt::UserRole, SlotRole, NameRole };

QString hatText(int direction)
{
    switch (direction) {
    case ControllerInput::Up:
        return ControllersPage::tr("up");
    case ControllerInput::Right:
        return ControllersPage::tr("right");
    case ControllerInput::Down:
        return ControllersPage::tr("down");
    default:
        return ControllersPage::tr("left");
    }
}

} // namespace

QString controllerInputText(const ControllerInput &input)
{
    switch (input.kind) {
    case ControllerInput::Kind::Button:
        return ControllersPage::tr("Button %1").arg(input.index);
    case ControllerInput::Kind::Hat:
        return ControllersPage::tr("Hat %1 %2").arg(input.index).arg(hatText(input.direction));
    case ControllerInput::Kind::Axis:
        return ControllersPage::tr("Axis %1 %2")
            .arg(input.index)
            .arg(input.direction < 0 ? u"−"_s : u"+"_s);
    }
    return {};
}

ControllersPage::ControllersPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services), m_status(new QLabel), m_devices(new QListWidget),
      m_table(new QTableWidget(0, 3)), m_command(new QComboBox), m_params(new QFormLayout),
      m_learn(new QPushButton(tr("Learn"))), m_remove(new QPushButton(tr("Remove")))
{
    setObjectName(u"controllersPage"_s);
    m_status->setObjectName(u"lblControllerStatus"_s);
    m_status->setWordWrap(true);
    m_devices->setObjectName(u"lstControllers"_s);
    m_table->setObjectName(u"tblControllerBindings"_s);
    m_table->setHorizontalHeaderLabels({tr("Input"), tr("Command"), tr("Parameters")});
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_command->setObjectName(u"cboControllerCommand"_s);
    for (const GameCommands::Command &command : GameCommands::table())
        m_command->addItem(command.id, command.id);
    m_learn->setObjectName(u"cmdLearnBinding"_s);
    m_remove->setObjectName(u"cmdRemoveBinding"_s);
    auto *exportButton = new QPushButton(tr("Export profile…"));
    exportButton->setObjectName(u"cmdExportControllers"_s);
    auto *importButton = new QPushButton(tr("Import profile…"));
    importButton->setObjectName(u"cmdImportControllers"_s);

    auto *page = new QVBoxLayout(this);
    page->addWidget(m_status);
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_devices, 1);
    lists->addWidget(m_table, 2);
    page->addLayout(lists, 1);
    auto *chooser = new QFormLayout;
    chooser->addRow(tr("Command:"), m_command);
    page->addLayout(chooser);
    page->addLayout(m_params);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_learn);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(importButton);
    buttons->addWidget(exportButton);
    page->addLayout(buttons);
    auto *note = new QLabel(tr("Choose a command and its parameters, press Learn, then the "
                               "button, hat or stick on the controller that is to do it."));
    note->setWordWrap(true);
    page->addWidget(note);

    connect(m_devices, &QListWidget::currentRowChanged, this, &ControllersPage::showBindings);
    connect(m_command, &QComboBox::currentIndexChanged, this, &ControllersPage::showParams);
    connect(m_learn, &QPushButton::clicked, this, &ControllersPage::learn);
    connect(m_remove, &QPushButton::clicked, this, &ControllersPage::removeBinding);
    connect(exportButton, &QPushButton::clicked, this, &ControllersPage::exportProfile);
    connect(importButton, &QPushButton::clicked, this, &ControllersPage::importProfile);
    showParams();
}

ControllersPage::~ControllersPage()
{
    stopLearning();
}

QString ControllersPage::title() const
{
    return tr("Controllers");
}

void ControllersPage::load(const Settings &)
{
    m_loaded = ControllerBindings::load();
    m_bindings = m_loaded;
    listDevices();
}

void ControllersPage::store(Settings &) const {}

QString ControllersPage::saveFiles()
{
    if (m_bindings == m_loaded)
        return {};
    if (!SettingsStore::write(m_bindings.stored(m_loaded)))
        return tr("The controllers' bindings could not be saved.");
    m_loaded = m_bindings;
    return {};
}

// The reader is handed to the window after its pages are made.
void ControllersPage::showEvent(QShowEvent *event)
{
    if (!m_reader && m_services.joysticks)
        follow(m_services.joysticks);
    listDevices();
    OptionsPage::showEvent(event);
}

void ControllersPage::follow(JoystickReader *reader)
{
    m_reader = reader;
    connect(reader, &JoystickReader::deviceAdded, this, &ControllersPage::listDevices);
    connect(reader, &JoystickReader::deviceRemoved, this, &ControllersPage::listDevices);
    connect(reader, &JoystickReader::pressed, this, &ControllersPage::learned);
}

bool ControllersPage::isLearning() const
{
    return m_reader && m_reader->isLearning();
}

// The devices connected now, then those bound before that are not.
void ControllersPage::listDevices()
{
    const std::optional<Chosen> was = chosenDevice();
    const QSignalBlocker quiet(m_devices);
    m_devices->clear();
    const auto add = [this](const QString &guid, const QString &name, int slot, bool connected) {
        QString text = name.isEmpty() ? tr("Unnamed controller") : name;
        if (slot > 0)
            text += u" (%1)"_s.arg(slot + 1);
        if (!connected)
            text = tr("%1 – not connected").arg(text);
        auto *item = new QListWidgetItem(text, m_devices);
        item->setData(GuidRole, guid);
        item->setData(SlotRole, slot);
        item->setData(NameRole, name);
    };
    const QList<ControllerDevice> connected =
        m_reader ? m_reader->devices() : QList<ControllerDevice>{};
    for (const ControllerDevice &device : connected)
        add(device.guid, device.name, device.slot, true);
    for (const QString &guid : m_bindings.guids())
        for (int slot = 0; slot < 16; ++slot) {
            const bool here = std::any_of(connected.cbegin(), connected.cend(), [&](const auto &d) {
                return d.guid == guid && d.slot == slot;
            });
            if (!here && !m_bindings.bindings(guid, slot).isEmpty())
                add(guid, m_bindings.name(guid), slot, false);
        }
    int row = 0;
    for (int i = 0; was && i < m_devices->count(); ++i)
        if (m_devices->item(i)->data(GuidRole) == was->guid &&
            m_devices->item(i)->data(SlotRole) == was->slot)
            row = i;
    m_devices->setCurrentRow(m_devices->count() > 0 ? row : -1);
    if (!m_reader)
        m_status->setText(tr("Game controllers are not read in this window."));
    else if (!m_reader->isRunning())
        m_status->setText(tr("Game controllers cannot be read: %1").arg(m_reader->errorString()));
    else if (!isLearning())
        m_status->setText(connected.isEmpty()
                              ? tr("No game controller is connected.")
                              : tr("%n controller(s) connected.", nullptr, int(connected.size())));
    m_learn->setEnabled(m_reader && m_reader->isRunning() && !isLearning());
    showBindings();
}

std::optional<ControllersPage::Chosen> ControllersPage::chosenDevice() const
{
    const QListWidgetItem *item = m_devices->currentItem();
    if (!item)
        return std::nullopt;
    return Chosen{item->data(GuidRole).toString(), item->data(NameRole).toString(),
                  item->data(SlotRole).toInt()};
}

void ControllersPage::showBindings()
{
    m_table->setRowCount(0);
    const std::optional<Chosen> device = chosenDevice();
    if (!device) {
        m_remove->setEnabled(false);
        return;
    }
    const QList<ControllerBinding> bindings = m_bindings.bindings(device->guid, device->slot);
    m_table->setRowCount(int(bindings.size()));
    for (int row = 0; row < bindings.size(); ++row) {
        const ControllerBinding &binding = bindings.at(row);
        m_table->setItem(row, 0, new QTableWidgetItem(controllerInputText(binding.input)));
        m_table->setItem(row, 1, new QTableWidgetItem(binding.command));
        m_table->setItem(row, 2,
                         new QTableWidgetItem(QString::fromUtf8(
                             QJsonDocument(binding.params).toJson(QJsonDocument::Compact))));
    }
    m_remove->setEnabled(!bindings.isEmpty());
}

// One field for each parameter of the chosen command.
void ControllersPage::showParams()
{
    while (m_params->rowCount() > 0)
        m_params->removeRow(0);
    const GameCommands::Command *command = GameCommands::find(m_command->currentData().toString());
    if (!command)
        return;
    for (const GameCommands::Param &param : command->params) {
        QWidget *field = nullptr;
        if (!param.values.isEmpty()) {
            auto *box = new QComboBox;
            if (param.optional)
                box->addItem(QString());
            for (const QJsonValue &value : param.values)
                box->addItem(value.toVariant().toString(), value.toVariant());
            field = box;
        } else if (param.type == GameCommands::ParamType::Integer && !param.optional) {
            auto *spin = new QSpinBox;
            spin->setRange(-999, 9999);
            spin->setValue(param.name == u"add" ? 1 : 0);
            field = spin;
        } else if (param.type == GameCommands::ParamType::Boolean) {
            field = new QCheckBox;
        } else {
            field = new QLineEdit;
        }
        field->setObjectName(u"param_"_s + param.name);
        m_params->addRow(param.name + u':', field);
    }
}

QJsonObject ControllersPage::params() const
{
    QJsonObject params;
    const GameCommands::Command *command = GameCommands::find(m_command->currentData().toString());
    if (!command)
        return params;
    for (const GameCommands::Param &param : command->params) {
        auto *field = findChild<QWidget *>(u"param_"_s + param.name);
        if (auto *box = qobject_cast<QComboBox *>(field)) {
            if (box->currentData().isValid())
                params.insert(param.name, QJsonValue::fromVariant(box->currentData()));
        } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
            params.insert(param.name, spin->value());
        } else if (auto *check = qobject_cast<QCheckBox *>(field)) {
            if (check->isChecked() || !param.optional)
                params.insert(param.name, check->isChecked());
        } else if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            const QString text = edit->text().trimmed();
            bool number = false;
            const int value = text.toInt(&number);
            if (text.isEmpty())
                continue;
            if (param.type == GameCommands::ParamType::Integer && number)
                params.insert(param.name, value);
            else
                params.insert(param.name, text);
        }
    }
    return params;
}

void ControllersPage::learn()
{
    if (!m_reader || !m_reader->isRunning())
        return;
    m_reader->setLearning(true);
    m_learn->setEnabled(false);
    m_status->setText(tr("Press the button, push the hat or the stick on the controller that "
                         "is to run %1.")
                          .arg(m_command->currentText()));
}

// The press being learned binds the chosen command, on whichever device it
// came from, in place of what that input did before.
void ControllersPage::learned(const ControllerDevice &device, const ControllerInput &input)
{
    if (!isLearning())
        return;
    stopLearning();
    QList<ControllerBinding> bindings = m_bindings.bindings(device.guid, device.slot);
    bindings.removeIf([&](const ControllerBinding &b) { return b.input == input; });
    bindings.append({input, m_command->currentData().toString(), params()});
    m_bindings.setBindings(device.guid, device.name, device.slot, bindings);
    for (int i = 0; i < m_devices->count(); ++i)
        if (m_devices->item(i)->data(GuidRole) == device.guid &&
            m_devices->item(i)->data(SlotRole) == device.slot)
            m_devices->setCurrentRow(i);
    listDevices();
    m_status->setText(
        tr("%1 now runs %2.").arg(controllerInputText(input), m_command->currentText()));
}

void ControllersPage::stopLearning()
{
    if (m_reader)
        m_reader->setLearning(false);
    m_learn->setEnabled(m_reader && m_reader->isRunning());
}

void ControllersPage::removeBinding()
{
    const std::optional<Chosen> device = chosenDevice();
    const int row = m_table->currentRow();
    if (!device || row < 0)
        return;
    QList<ControllerBinding> bindings = m_bindings.bindings(device->guid, device->slot);
    if (row >= bindings.size())
        return;
    bindings.removeAt(row);
    m_bindings.setBindings(device->guid, device->name, device->slot, bindings);
    listDevices();
}

void ControllersPage::exportProfile()
{
    const QString path = m_services.dialogs.saveFileName(
        this, tr("Controller profiles (*.json)"), QDir::home().filePath(u"controllers.json"_s));
    if (path.isEmpty())
        return;
    if (QString why; !m_bindings.exportProfile(path, &why))
        m_services.dialogs.showWarning(this, tr("Export profile"),
                                       tr("The profile could not be written: %1").arg(why));
}

void ControllersPage::importProfile()
{
    const QString path =
        m_services.dialogs.openFileName(this, tr("Controller profiles (*.json)"), QDir::homePath());
    if (path.isEmpty())
        return;
    QString why;
    const std::optional<ControllerBindings> imported =
        ControllerBindings::importProfile(path, &why);
    if (!imported) {
        m_services.dialogs.showWarning(this, tr("Import profile"),
                                       tr("The profile could not be read: %1").arg(why));
        return;
    }
    m_bindings.merge(*imported);
    listDevices();
}
