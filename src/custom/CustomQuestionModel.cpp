// SPDX-License-Identifier: GPL-3.0-or-later
#include "CustomQuestionModel.h"

#include "ScriptFont.h"
#include "Session.h"

#include <QApplication>

#include <algorithm>
#include <array>

namespace lumenary {

namespace {

using custom::Field;

// The editor's columns, as a user fills a row: both sides of the question first.
constexpr std::array kColumns{Field::PartA, Field::French, Field::PartB, Field::Unit,
                              Field::Book,  Field::Chapter, Field::Theme};

QString Trimmed(const char* message)
{
    QString text = QString::fromUtf8(message);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

CustomQuestionModel::CustomQuestionModel(Session& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session)
{
}

void CustomQuestionModel::ShowSubject(const std::string& subject)
{
    beginResetModel();
    subject_ = subject;
    newRow_.reset();
    questions_ = subject.empty() ? std::vector<custom::OwnQuestion>()
                                 : custom::SubjectQuestions(*session_.QuestionDatabase, subject);
    endResetModel();
    emit Told({});
}

int CustomQuestionModel::AddRow()
{
    const int row = static_cast<int>(questions_.size());
    if (!newRow_) {
        beginInsertRows({}, row, row);
        newRow_.emplace();
        endInsertRows();
    }
    return row;
}

void CustomQuestionModel::DeleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    if (!IsNewRow(row)) {
        try {
            custom::DeleteQuestion(*session_.QuestionDatabase, questions_[static_cast<std::size_t>(row)].id);
        } catch (const custom::CustomDataError& error) {
            emit Refused(QStringLiteral("Row %1 is not deleted: %2.").arg(row + 1).arg(Trimmed(error.what())));
            return;
        }
    }
    beginRemoveRows({}, row, row);
    if (IsNewRow(row))
        newRow_.reset();
    else
        questions_.erase(questions_.begin() + row);
    endRemoveRows();
    emit Told({});
}

std::optional<int> CustomQuestionModel::UnsavedRow() const
{
    const bool holdsSomething =
        newRow_ && std::ranges::any_of(*newRow_, [](const auto& value) { return value.has_value(); });
    return holdsSomething ? std::optional(static_cast<int>(questions_.size()) + 1) : std::nullopt;
}

Field CustomQuestionModel::FieldAt(int column) const
{
    return kColumns.at(static_cast<std::size_t>(column));
}

int CustomQuestionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(questions_.size()) + (newRow_ ? 1 : 0);
}

int CustomQuestionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

const custom::FieldValues& CustomQuestionModel::ValuesAt(int row) const
{
    return IsNewRow(row) ? *newRow_ : questions_.at(static_cast<std::size_t>(row)).values;
}

QVariant CustomQuestionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Field field = FieldAt(index.column());
    const auto& value = custom::ValueOf(ValuesAt(index.row()), field);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return value ? QString::fromStdString(*value) : QString();
    case Qt::FontRole:
        if (const QString text = value ? QString::fromStdString(*value) : QString(); ScriptOf(text) != Script::Other)
            return FontForText(text, QApplication::font());
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(custom::ColumnOf(field).wholeNumber || (value && ReadsRightToLeft(QString::fromStdString(*value)))
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CustomQuestionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::fromUtf8(custom::ColumnOf(FieldAt(section)).name);
    return IsNewRow(section) ? QStringLiteral("New") : QString::number(section + 1);
}

Qt::ItemFlags CustomQuestionModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool CustomQuestionModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    const auto cell = text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
    const int row = index.row();
    try {
        if (IsNewRow(row))
            FillNewRow(row, FieldAt(index.column()), cell);
        else
            ChangeSaved(row, FieldAt(index.column()), cell);
    } catch (const custom::CustomDataError& error) {
        emit Refused(QStringLiteral("Row %1: %2; the old value stays.").arg(row + 1).arg(Trimmed(error.what())));
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

void CustomQuestionModel::ChangeSaved(int row, Field field, const std::optional<std::string>& value)
{
    auto& question = questions_.at(static_cast<std::size_t>(row));
    if (custom::ValueOf(question.values, field) == value)
        return;
    custom::ChangeField(*session_.QuestionDatabase, question.id, field, value);
    custom::ValueOf(question.values, field) = value;
    emit Told({});
}

void CustomQuestionModel::FillNewRow(int row, Field field, const std::optional<std::string>& value)
{
    auto filled = *newRow_;
    custom::ValueOf(filled, field) = value;
    if (value)
        if (const auto problem = custom::FieldProblem(custom::ColumnOf(field), value))
            throw custom::CustomDataError(*problem);
    if (!custom::ValueOf(filled, Field::PartA) || !custom::ValueOf(filled, Field::PartB)) {
        newRow_ = filled;
        emit Told(QStringLiteral("Row %1 is saved as a question once it has Part A and Part B.").arg(row + 1));
        return;
    }
    const auto id = custom::AddQuestion(*session_.QuestionDatabase, subject_, filled);
    questions_.push_back({id, filled});
    newRow_.reset();
    emit headerDataChanged(Qt::Vertical, row, row);
    emit Told(QStringLiteral("Row %1 is saved as a new question.").arg(row + 1));
}

} // namespace lumenary
