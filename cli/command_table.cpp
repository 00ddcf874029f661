#include "command_table.h"

#include <algorithm>

namespace korvex3_cli {

namespace {

// The same operator keys go to the shift, X-report and archive commands.
constexpr std::string_view kOperatorKeys =
    "user_id      number of the operator   } at least one of the two\n"
    "user_name    name of the operator     }\n"
    "user_inn     taxpayer number of the operator (10 or 12 digits)";

constexpr std::string_view kShiftKeys =
    "user_id      number of the operator   } at least one of the two\n"
    "user_name    name of the operator     }\n"
    "user_inn     taxpayer number of the operator (10 or 12 digits)\n"
    "force_print  flag: print the shift document\n"
    "forbid_print flag: do not print it\n"
    "opt_attr     additional attribute (text)\n"
    "opt_data     additional data (Base64)";

constexpr std::string_view kTextKeys =
    "text_type    kind of text in the register's numbering (required, not 0)\n"
    "text         the text (required)";

constexpr std::string_view kSelectionKeys =
    "list         [{\"goods_id\": n}, ...]: these records\n"
    "range        {\"goods_id\": first, \"goods_count\": n}: a run of records\n"
    "             (list wins when both are given)";

constexpr std::string_view kImportKeys = "fd_doc_id    number of the fiscal document (0 when not given)";

const std::vector<Subcommand> table = {
    {"info", "korvex3_get_info", korvex3_get_info,
     "Identity of the register: serial number, firmware version, memory, goods capacity.", "", ""},
    {"state", "korvex3_get_state", korvex3_get_state,
     "How the register is set up for fiscal work: fiscal drive, tax settings, organisation,\n"
     "clock.",
     "",
     ""},
    {"enter", "korvex3_fremu_enter", korvex3_fremu_enter,
     "Enter the fiscal-registrar emulation mode, in which the receipt commands work.", "", ""},
    {"exit", "korvex3_fremu_exit", korvex3_fremu_exit, "Leave the emulation mode.", "", ""},
    {"keep-alive", "korvex3_fremu_keep_alive", korvex3_fremu_keep_alive,
     "Keep the emulation mode alive.", "timeout      value for the register, in its own unit", "'{\"timeout\": 60}'"},
    {"reset", "korvex3_reset", korvex3_reset,
     "Reset the register. Only the result code comes back, never the register's answer.", "", ""},
    {"fremu-reset", "korvex3_fremu_reset", korvex3_fremu_reset,
     "Reset the emulation. Only the result code comes back, never the register's answer.", "", ""},
    {"query", "korvex3_fremu_query", korvex3_fremu_query,
     "Ask about a task by its id (the task id that another command reported): the fiscal\n"
     "document it produced, the shift, the fiscal drive's flags and counters.",
     "", "3"},
    {"open-shift", "korvex3_fremu_open_shift", korvex3_fremu_open_shift, "Open a shift.", kShiftKeys,
     "'{\"user_id\": 1, \"user_name\": \"Ivanova\"}'"},
    {"close-shift", "korvex3_fremu_close_shift", korvex3_fremu_close_shift, "Close the shift.", kShiftKeys,
     "'{\"user_id\": 1}'"},
    {"open-doc", "korvex3_fremu_open_doc", korvex3_fremu_open_doc, "Open a receipt document.",
     "doc_kind     kind of document in the register's numbering (required)\n"
     "taxcode      taxation code\n"
     "user_id, user_name, user_inn   the operator (at least one)\n"
     "force_print  flag: print the document\n"
     "client_contact, client_inn, client_name   the buyer\n"
     "correction_kind, correction_date, correction_document, correction_description\n"
     "             basis of a correction document\n"
     "additional_props   additional attribute, at most 16 bytes in Windows-1251",
     "'{\"doc_kind\": 1, \"user_id\": 1}'"},
    {"close-doc", "korvex3_fremu_close_doc", korvex3_fremu_close_doc,
     "Close the open document with its payments; the register fiscalises it as a task\n"
     "(follow it with `query TASK`).",
     "cash, credit, postpay, prepay, otherpay   amounts paid, in the register's units\n"
     "forbid_print flag: do not print the document",
     "'{\"cash\": 10000}'"},
    {"cancel-doc", "korvex3_fremu_cancel_doc", korvex3_fremu_cancel_doc, "Cancel the open document.", "",
     ""},
    {"add-item", "korvex3_fremu_add_item", korvex3_fremu_add_item, "Add an item to the open document.",
     "dept_id, tax_id   department and tax rate number (at least one)\n"
     "price, quant      price and quantity, integers in the register's units (required)\n"
     "intcode      internal code (required; may be empty)\n"
     "name         name (required; cut to 128 bytes)\n"
     "excise, tax_value, item_disc_abs, payment_method, item_attr, item_attr_ext,\n"
     "mark_type, gtin, mark_serial, mark_stamp, mark_status, mark_online_type,\n"
     "unit_id, country, gtd, quant_numerator, quant_denominator, timeout",
     "'{\"dept_id\": 1, \"price\": 10000, \"quant\": 1000, \"intcode\": \"A1\", \"name\": \"Tea\"}'"},
    {"set-agent", "korvex3_fremu_set_agent", korvex3_fremu_set_agent,
     "Agent and supplier details for the following items.",
     "agent        agent kind, 0 to 7\n"
     "transfer_op_addr, transfer_op_inn, transfer_op_name, transfer_op_phone\n"
     "payment_op_phone, payment_op_action, payment_reception_op_phone\n"
     "provider_name, provider_phone, provider_inn",
     "'{\"agent\": 1, \"provider_name\": \"Supplier\"}'"},
    {"set-client-info", "korvex3_fremu_set_client_info", korvex3_fremu_set_client_info,
     "Buyer details for the open document.",
     "birth_date, citizenship, client_ident_type, client_ident_data,\n"
     "client_address, client_inn, client_name",
     "'{\"client_name\": \"Petrov\"}'"},
    {"set-industry-props", "korvex3_fremu_set_industry_props", korvex3_fremu_set_industry_props,
     "Industry attribute for the open document.",
     "foiv_ident   issuing authority, 1 to 72 (required)\n"
     "ind_prop_docdate, ind_prop_docnumber, ind_prop_value",
     "'{\"foiv_ident\": 3, \"ind_prop_value\": \"x\"}'"},
    {"query-marking", "korvex3_fremu_query_marking", korvex3_fremu_query_marking,
     "Ask the register to check a marking code; the outcome comes with `query TASK`.",
     "mark_stamp   the marking code (required)\n"
     "mark_status  planned status of the item (required)\n"
     "quant        quantity (required)\n"
     "unit_id, quant_numerator, quant_denominator, timeout",
     "'{\"mark_stamp\": \"0104\", \"mark_status\": 1, \"quant\": 1}'"},
    {"add-text", "korvex3_fremu_add_text", korvex3_fremu_add_text, "Add a text line to the open document.",
     kTextKeys, "'{\"text_type\": 1, \"text\": \"Thank you\"}'"},
    {"add-footer", "korvex3_fremu_add_footer", korvex3_fremu_add_footer, "Add a footer text.", kTextKeys,
     "'{\"text_type\": 1, \"text\": \"See you\"}'"},
    {"print", "korvex3_fremu_print", korvex3_fremu_print, "Print a text on its own.",
     "text         the text (required)\n"
     "text_type    kind of text",
     "'{\"text\": \"Hello\"}'"},
    {"print-doc", "korvex3_fremu_print_doc", korvex3_fremu_print_doc,
     "Print a stored fiscal document again.", "fd_number    number of the fiscal document",
     "'{\"fd_number\": 15}'"},
    {"get-fd", "korvex3_get_fd", korvex3_get_fd, "Read one fiscal document from the fiscal drive, decoded.",
     "fd_doc_id    number of the fiscal document (required)", "'{\"fd_doc_id\": 5}'"},
    {"fdstate", "korvex3_get_fdstate", korvex3_get_fdstate,
     "State of the fiscal drive: last document, shift, documents waiting for the operator.", "", ""},
    {"fdtag", "korvex3_get_fdtag", korvex3_get_fdtag,
     "One part of a fiscal document, as Base64.",
     "fd_doc_id    number of the fiscal document (required)\n"
     "fd_tag       the part to return (required)",
     "'{\"fd_doc_id\": 5, \"fd_tag\": 1077}'"},
    {"read-goods", "korvex3_read_goods", korvex3_read_goods, "Read records of the goods database.",
     kSelectionKeys, "'{\"range\": {\"goods_id\": 1, \"goods_count\": 10}}'"},
    {"write-goods", "korvex3_write_goods", korvex3_write_goods, "Store records in the goods database.",
     "list         [record, ...]; a record has goods_id, name, intcode, item_attr,\n"
     "             dept_id (required) and barcode, unit, item_attr_ext, price, excise\n"
     "delete_before   flag: empty the database first",
     "'{\"list\": [{\"goods_id\": 1, \"name\": \"Tea\", \"intcode\": \"A1\", \"item_attr\": 1, \"dept_id\": 1}]}'"},
    {"delete-goods", "korvex3_delete_goods", korvex3_delete_goods,
     "Remove records from the goods database.", kSelectionKeys, "'{\"list\": [{\"goods_id\": 1}]}'"},
    {"report-x", "korvex3_fremu_report_x", korvex3_fremu_report_x, "Print the X-report.", "", ""},
    {"report-xe", "korvex3_fremu_report_xe", korvex3_fremu_report_xe,
     "Print the X-report on behalf of an operator.", kOperatorKeys, "'{\"user_id\": 1}'"},
    {"report-state", "korvex3_fremu_report_state", korvex3_fremu_report_state,
     "Print the report on the current state of settlements.", "", ""},
    {"get-money", "korvex3_fremu_get_money", korvex3_fremu_get_money, "Cash total of the current shift.", "",
     ""},
    {"close-archive", "korvex3_fremu_close_archive", korvex3_fremu_close_archive,
     "Close the fiscal archive of the fiscal drive. Cannot be undone.", kOperatorKeys, "'{\"user_id\": 1}'"},
    {"set-datetime", "korvex3_set_datetime", korvex3_set_datetime, "Set the register's clock.",
     "date_time    the new time, as the register counts it", "'{\"date_time\": 1718000000}'"},
    {"import-doc", "korvex3_import_doc", korvex3_import_doc,
     "Fetch one fiscal document in the fiscal drive's own format, in pieces, as JSON.", kImportKeys,
     "'{\"fd_doc_id\": 5}'"},
    {"import-doc2", "korvex3_import_doc2", korvex3_import_doc2,
     "As import-doc, with texts written as \\uXXXX escapes.", kImportKeys, "'{\"fd_doc_id\": 5}'"},
    {"register", "korvex3_fremu_registration", korvex3_fremu_registration,
     "Register the register with the tax authority: opens a registration, sends each long\n"
     "attribute, completes it; every step is followed until the register has done it.\n"
     "Result 0 alone does not mean success: read the response.",
     "company_name, sale_address, sale_location, ofd_name, fns_site   long attributes\n"
     "regnum, fd_serial, company_inn, taxcode, fd_mode, fd_ext_mode, agents,\n"
     "automat_number, ofd_inn, sender_email, reg_reason, reg_reason_ext",
     "@registration.json"},
};

}  // namespace

Argument argumentOf(const Subcommand& command)
{
    if (std::holds_alternative<QueryFunction>(command.function))
        return Argument::Task;
    if (std::holds_alternative<JsonFunction>(command.function) ||
        std::holds_alternative<TaskJsonFunction>(command.function))
        return Argument::Json;
    return Argument::None;
}

std::string_view kindOf(const Subcommand& command)
{
    struct Words {
        std::string_view operator()(InfoFunction) const { return "no input; result text"; }
        std::string_view operator()(JsonFunction) const { return "JSON input; result text"; }
        std::string_view operator()(TaskJsonFunction) const { return "JSON input; task id and result text"; }
        std::string_view operator()(TaskFunction) const { return "no input; task id and result text"; }
        std::string_view operator()(SilentFunction) const { return "no input; result code only"; }
        std::string_view operator()(QueryFunction) const { return "task number; result text"; }
    };
    return std::visit(Words{}, command.function);
}

const std::vector<Subcommand>& subcommands() { return table; }

const Subcommand* findSubcommand(std::string_view name)
{
    const auto found =
        std::find_if(table.begin(), table.end(), [&](const Subcommand& c) { return c.name == name; });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace korvex3_cli
