/* Ada 2022 compilation-unit grammar, which also reads Ada 2005 and 2012 (the
   scanner withholds the reserved words a revision does not have). Its
   actions build the same unit list as the Ada 95 grammar, through the same
   calls of analysis/parse_actions.h. Names, calls, indexing, slices and
   conversions share one `name` form, as in the Ada 95 grammar, so that one
   token of lookahead suffices. */

%code requires {
#include "analysis/semantic_value.h"
}

%code {
#include "analysis/ac_tree.h"
#include "analysis/parse_actions.h"
#include "analysis/parse_strings.h"
#include "analysis/scanner.h"
#include "analysis/syntax_error.h"
#include "driver/ac_mem.h"

/* The same fixed stacks and error handling as the Ada 95 parser. */
#define YYINITDEPTH 401
#define YYMAXDEPTH YYINITDEPTH
#define YYMALLOC ac_alloc
#define YYFREE ac_free

static void yyerror(const char*) { report_syntax_error(); }

/* The next token with its position, and its text for identifiers and
   literals, kept in the parse's string store. */
static int yylex() { return next_parser_token_stored_text(yylval); }

/* The scanner returns the numbers of analysis/ada_tokens.def. */
#define ADA_DELIMITER(NAME, number, spelling, since) static_assert(TOKEN_##NAME == (number), #NAME);
#define ADA_WORD(spelling, NAME, number, since) static_assert(TOKEN_##NAME == (number), #NAME);
#define ADA_OTHER(NAME, number) static_assert(TOKEN_##NAME == (number), #NAME);
#include "analysis/ada_tokens.def"
}

%define api.value.type {SemanticValue}
%define api.token.prefix {TOKEN_}
%define api.prefix {ada2022_}
%expect 0

%token END_OF_INPUT 0
%token AMPERSAND             38   /* & */
%token TICK                  39   /* ' */
%token LEFT_PAREN            40   /* ( */
%token RIGHT_PAREN           41   /* ) */
%token STAR                  42   /* * */
%token PLUS                  43   /* + */
%token COMMA                 44   /* , */
%token MINUS                 45   /* - */
%token DOT                   46   /* . */
%token SLASH                 47   /* / */
%token COLON                 58   /* : */
%token SEMICOLON             59   /* ; */
%token LESS                  60   /* < */
%token EQUAL                 61   /* = */
%token GREATER               62   /* > */
%token AT_SIGN               64   /* @ */
%token LEFT_BRACKET          91   /* [ */
%token RIGHT_BRACKET         93   /* ] */
%token BAR                  124   /* | */
%token DOUBLE_DOT           257   /* .. */
%token LEFT_LABEL_BRACKET   258   /* << */
%token BOX                  259   /* <> */
%token LESS_EQUAL           260   /* <= */
%token DOUBLE_STAR          261   /* ** */
%token NOT_EQUAL            262   /* /= */
%token RIGHT_LABEL_BRACKET  263   /* >> */
%token GREATER_EQUAL        264   /* >= */
%token ASSIGNMENT           265   /* := */
%token ARROW                266   /* => */
%token ABORT                267
%token ABS                  268
%token ABSTRACT             269
%token ACCEPT               270
%token ACCESS               271
%token ALIASED              272
%token ALL                  273
%token AND                  274
%token ARRAY                275
%token AT                   276
%token BEGIN                277
%token BODY                 278
%token CASE                 279
%token CONSTANT             280
%token DECLARE              281
%token DELAY                282
%token DELTA                283
%token DIGITS               284
%token DO                   285
%token ELSE                 286
%token ELSIF                287
%token END                  288
%token ENTRY                289
%token EXCEPTION            290
%token EXIT                 291
%token FOR                  292
%token FUNCTION             293
%token GENERIC              294
%token GOTO                 295
%token IF                   296
%token IN                   297
%token IS                   298
%token LIMITED              299
%token LOOP                 300
%token MOD                  301
%token NEW                  302
%token NOT                  303
%token NULL                 304
%token OF                   305
%token OR                   306
%token OTHERS               307
%token OUT                  308
%token PACKAGE              309
%token PRAGMA               310
%token PRIVATE              311
%token PROCEDURE            312
%token PROTECTED            313
%token RAISE                314
%token RANGE                315
%token RECORD               316
%token REM                  317
%token RENAMES              318
%token REQUEUE              319
%token RETURN               320
%token REVERSE              321
%token SELECT               322
%token SEPARATE             323
%token SUBTYPE              324
%token TAGGED               325
%token TASK                 326
%token TERMINATE            327
%token THEN                 328
%token TYPE                 329
%token UNTIL                330
%token USE                  331
%token WHEN                 332
%token WHILE                333
%token WITH                 334
%token XOR                  335
%token CHARACTER_LITERAL    336
%token IDENTIFIER           337
%token STRING_LITERAL       338
%token NUMERIC_LITERAL      339
%token INTERFACE            340
%token OVERRIDING           341
%token SYNCHRONIZED         342
%token SOME                 343
%token PARALLEL             344

/* Two places where the standard settles a choice that one token of
   lookahead cannot: a vertical bar after a membership test continues its
   choices (a membership test is no discrete choice), and the message of a
   raise expression takes a following WITH. */
%precedence MEMBERSHIP
%precedence BAR
%precedence RAISE_WITHOUT_MESSAGE
%precedence WITH

%start compilation

%%

/* Pragmas. A pragma's value is its final semicolon with the pragma's name
   as text, and a pragma list's the value of its last pragma (none: line 0). */

pragma
    : PRAGMA direct_name SEMICOLON
        { $$ = $3; $$.text = $2.text; }
    | PRAGMA direct_name LEFT_PAREN pragma_argument_list RIGHT_PAREN SEMICOLON
        { $$ = $6; $$.text = $2.text; }
    | PRAGMA direct_name LEFT_PAREN paren_only_expression RIGHT_PAREN SEMICOLON
        { $$ = $6; $$.text = $2.text; }
    | PRAGMA INTERFACE LEFT_PAREN pragma_argument_list RIGHT_PAREN SEMICOLON
        { $$ = $6; $$.text = parse_string_copy("interface"); }
    ;

pragma_argument_list
    : pragma_argument
    | pragma_argument_list COMMA pragma_argument
    ;

pragma_argument
    : expression
    | name ARROW expression
    ;

pragma_list
    : %empty
        { $$ = SemanticValue{}; }
    | pragma_list pragma
        { $$ = $2; }
    ;

/* Aspect specifications, which change no unit. */

aspect_specification_opt
    : %empty
    | aspect_specification
    ;

aspect_specification
    : WITH aspect_association_list
    ;

aspect_association_list
    : aspect_association
    | aspect_association_list COMMA aspect_association
    ;

aspect_association
    : aspect_mark
    | aspect_mark ARROW aspect_definition
    ;

aspect_mark
    : direct_name
    | direct_name TICK direct_name
    ;

/* The Global aspect names its objects with modes: `in out X`, `in all`,
   `(in X, Y; out Z)`. */
aspect_definition
    : expression
    | global_mode global_designator
    | LEFT_PAREN global_element_list RIGHT_PAREN
    ;

global_mode
    : IN
    | IN OUT
    | OUT
    ;

global_designator
    : ALL
    | SYNCHRONIZED
    | name
    ;

global_element_list
    : global_mode global_set
    | global_element_list SEMICOLON global_mode global_set
    ;

global_set
    : global_designator
    | global_set COMMA global_designator
    ;

/* Declarations. */

basic_declaration
    : object_declaration
    | type_declaration
    | subtype_declaration
    | subprogram_declaration
    | package_declaration
    | task_declaration
    | protected_declaration
    | exception_declaration
    | generic_declaration
    | renaming_declaration
    | body_stub
    | number_declaration
    ;

object_declaration
    : defining_identifier_list COLON object_qualifier_opt object_subtype_definition initialization_opt aspect_specification_opt SEMICOLON
    ;

defining_identifier_list
    : defining_identifier
    | defining_identifier_list COMMA defining_identifier
    ;

defining_identifier
    : IDENTIFIER
    ;

object_qualifier_opt
    : %empty
    | ALIASED
    | CONSTANT
    | ALIASED CONSTANT
    ;

object_subtype_definition
    : subtype_indication
    | array_type_definition
    | access_definition
    ;

initialization_opt
    : %empty
    | ASSIGNMENT expression
    ;

number_declaration
    : defining_identifier_list COLON CONSTANT ASSIGNMENT expression SEMICOLON
    ;

/* Types. A derived type or private extension takes its aspects itself: after
   its parent a WITH may begin an extension or the aspects. */

type_declaration
    : TYPE defining_identifier discriminant_part_opt SEMICOLON
    | TYPE defining_identifier discriminant_part_opt IS TAGGED SEMICOLON
    | TYPE defining_identifier discriminant_part_opt IS type_definition aspect_specification_opt SEMICOLON
    | TYPE defining_identifier discriminant_part_opt IS derived_type_definition SEMICOLON
    ;

discriminant_part_opt
    : %empty
    | known_discriminant_part
    | LEFT_PAREN BOX RIGHT_PAREN
    ;

type_definition
    : enumeration_type_definition
    | integer_type_definition
    | real_type_definition
    | array_type_definition
    | record_type_definition
    | access_type_definition
    | private_type_definition
    | interface_type_definition
    ;

derived_type_definition
    : derived_type_head
    | derived_type_head aspect_specification
    | derived_type_head WITH PRIVATE aspect_specification_opt
    | derived_type_head WITH record_definition aspect_specification_opt
    ;

derived_type_head
    : derived_type_prefix NEW subtype_indication
    | derived_type_prefix NEW subtype_indication AND interface_list
    ;

derived_type_prefix
    : %empty
    | ABSTRACT
    | LIMITED
    | SYNCHRONIZED
    | ABSTRACT LIMITED
    | ABSTRACT SYNCHRONIZED
    ;

interface_list
    : name
    | interface_list AND name
    ;

interface_type_definition
    : interface_kind_opt INTERFACE
    | interface_kind_opt INTERFACE AND interface_list
    ;

interface_kind_opt
    : %empty
    | LIMITED
    | TASK
    | PROTECTED
    | SYNCHRONIZED
    ;

subtype_declaration
    : SUBTYPE defining_identifier IS subtype_indication aspect_specification_opt SEMICOLON
    ;

/* A mark followed by empty parentheses is accepted, as the Ada 95 grammar
   does. */
subtype_indication
    : name constraint
    | name
    | name LEFT_PAREN RIGHT_PAREN
    | NOT NULL name constraint
    | NOT NULL name
    ;

constraint
    : range_constraint
    | DIGITS simple_expression range_constraint_opt
    | DELTA simple_expression range_constraint_opt
    ;

range_constraint
    : RANGE range
    ;

range
    : simple_expression DOUBLE_DOT simple_expression
    | name TICK RANGE
    | name TICK RANGE LEFT_PAREN expression RIGHT_PAREN
    ;

enumeration_type_definition
    : LEFT_PAREN enumeration_literal_list RIGHT_PAREN
    ;

enumeration_literal_list
    : enumeration_literal_specification
    | enumeration_literal_list COMMA enumeration_literal_specification
    ;

enumeration_literal_specification
    : defining_identifier
    | CHARACTER_LITERAL
    ;

integer_type_definition
    : range_constraint
    | MOD expression
    ;

real_range_specification_opt
    : %empty
    | range_constraint
    ;

real_type_definition
    : DIGITS expression real_range_specification_opt
    | DELTA expression real_range_specification_opt
    | DELTA expression DIGITS expression real_range_specification_opt
    ;

array_type_definition
    : ARRAY LEFT_PAREN index_subtype_definition_list RIGHT_PAREN OF component_definition
    | ARRAY index_constraint OF component_definition
    ;

component_definition
    : aliased_opt subtype_indication
    | aliased_opt access_definition
    ;

aliased_opt
    : %empty
    | ALIASED
    ;

index_subtype_definition_list
    : index_subtype_definition
    | index_subtype_definition_list COMMA index_subtype_definition
    ;

index_subtype_definition
    : name RANGE BOX
    ;

index_constraint
    : LEFT_PAREN discrete_range_list RIGHT_PAREN
    ;

discrete_range_list
    : discrete_range
    | discrete_range_list COMMA discrete_range
    ;

discrete_range
    : range
    | name range_constraint_opt
    ;

range_constraint_opt
    : %empty
    | range_constraint
    ;

record_type_definition
    : record_prefix record_definition
    ;

/* Spelled out rather than as optional words: LIMITED also begins interfaces
   and derived types. */
record_prefix
    : %empty
    | TAGGED
    | ABSTRACT TAGGED
    | LIMITED
    | TAGGED LIMITED
    | ABSTRACT TAGGED LIMITED
    ;

record_definition
    : RECORD pragma_list component_list END RECORD designator_opt
    | NULL RECORD
    ;

component_list
    : component_declaration_list variant_part_opt
    | variant_part pragma_list
    | NULL SEMICOLON pragma_list
    ;

component_declaration_list
    : component_declaration
    | component_declaration_list pragma_list component_declaration
    ;

variant_part_opt
    : pragma_list
    | pragma_list variant_part pragma_list
    ;

component_declaration
    : defining_identifier_list COLON component_definition initialization_opt aspect_specification_opt SEMICOLON
    ;

known_discriminant_part
    : LEFT_PAREN discriminant_specification_list RIGHT_PAREN
    ;

discriminant_specification_list
    : discriminant_specification
    | discriminant_specification_list SEMICOLON discriminant_specification
    ;

discriminant_specification
    : defining_identifier_list COLON null_exclusion_opt mark initialization_opt
    | defining_identifier_list COLON access_definition initialization_opt
    ;

null_exclusion_opt
    : %empty
    | NOT NULL
    ;

variant_part
    : CASE discriminant_direct_name IS pragma_list variant_list END CASE SEMICOLON
    ;

/* Also accepted in parentheses, as the Ada 95 grammar does. */
discriminant_direct_name
    : direct_name
    | LEFT_PAREN direct_name RIGHT_PAREN
    ;

variant_list
    : variant
    | variant_list variant
    ;

variant
    : WHEN discrete_choice_list ARROW pragma_list component_list
    ;

discrete_choice_list
    : discrete_choice
    | discrete_choice_list BAR discrete_choice
    ;

discrete_choice
    : expression
    | ranged_choice
    | OTHERS
    ;

ranged_choice
    : name range_constraint
    | range
    ;

access_prefix
    : ACCESS
    | NOT NULL ACCESS
    ;

access_type_definition
    : access_prefix subtype_indication
    | access_prefix CONSTANT subtype_indication
    | access_prefix ALL subtype_indication
    | access_prefix access_to_subprogram_definition
    ;

access_definition
    : access_prefix mark
    | access_prefix CONSTANT mark
    | access_prefix access_to_subprogram_definition
    ;

access_to_subprogram_definition
    : protected_opt PROCEDURE formal_part_opt
    | protected_opt FUNCTION formal_part_opt RETURN return_subtype
    ;

protected_opt
    : %empty
    | PROTECTED
    ;

return_subtype
    : null_exclusion_opt mark
    | access_definition
    ;

private_type_definition
    : record_prefix PRIVATE
    ;

/* Declarative parts. */

declarative_part
    : %empty
    | declarative_item_list
    ;

basic_declarative_part
    : %empty
    | basic_declarative_item_list
    ;

basic_declarative_item_list
    : basic_declarative_item
    | basic_declarative_item_list basic_declarative_item
    ;

basic_declarative_item
    : basic_declaration
    | representation_clause
    | use_clause
    | pragma
    ;

declarative_item_list
    : declarative_item
    | declarative_item_list declarative_item
    ;

declarative_item
    : proper_body
    | basic_declarative_item
    ;

proper_body
    : subprogram_body
    | package_body
    | task_body
    | protected_body
    ;

/* Names. */

/* Indexed and selected components and attribute references are spelled
   out here rather than named, so that each reduces to name directly. */
name
    : IDENTIFIER
    | operator_symbol
    | name LEFT_PAREN association_list RIGHT_PAREN
    | name LEFT_PAREN paren_only_expression RIGHT_PAREN
    | name DOT direct_name
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    | name DOT character_literal
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    | name DOT operator_symbol
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    | name DOT ALL
        { $$.text = parse_string_concat($1.text, ".", "all"); }
    | name TICK attribute_designator
        { $$.text = parse_string_concat($1.text, "'", $3.text); }
    | bracket_aggregate TICK attribute_designator
    | character_literal
    | qualified_expression
    | AT_SIGN
    ;

mark
    : direct_name
    | mark TICK attribute_designator
    | mark DOT direct_name
    ;

direct_name
    : IDENTIFIER
    ;

compound_name
    : direct_name
    | compound_name DOT direct_name
        { $$.text = parse_string_concat($1.text, ".", $3.text); }
    ;

compound_name_list
    : compound_name
        { $$.names = with_names_start($1.text); }
    | compound_name_list COMMA compound_name
        { $$.names = with_names_prepend($3.text, $1.names); }
    ;

character_literal
    : CHARACTER_LITERAL
    ;

operator_symbol
    : STRING_LITERAL
    ;

association_list
    : association
    | association_list COMMA association
    ;

association
    : expression
    | named_association
    | ranged_choice
    | BOX
    ;

attribute_designator
    : IDENTIFIER
    | DIGITS
        { $$.text = parse_string_copy("digits"); }
    | DELTA
        { $$.text = parse_string_copy("delta"); }
    | ACCESS
        { $$.text = parse_string_copy("access"); }
    | MOD
        { $$.text = parse_string_copy("mod"); }
    ;

/* Literals, aggregates and expressions. */

bracket_aggregate
    : LEFT_BRACKET RIGHT_BRACKET
    | LEFT_BRACKET association_list RIGHT_BRACKET
    | LEFT_BRACKET expression WITH DELTA association_list RIGHT_BRACKET
    | LEFT_BRACKET PARALLEL iterated_association RIGHT_BRACKET
    | LEFT_BRACKET PARALLEL LEFT_PAREN chunk_specification RIGHT_PAREN iterated_association RIGHT_BRACKET
    ;

component_association_list
    : association COMMA association
    | component_association_list COMMA association
    ;

named_association
    : discrete_choice_list ARROW expression
    | discrete_choice_list ARROW BOX
    | iterated_association
    ;

/* A component or element produced for each value of an iteration, with an
   optional key. */
iterated_association
    : FOR iteration ARROW expression
    | FOR iteration USE expression ARROW expression
    ;

/* Each level of an expression lists the forms of the levels below it
   itself, rather than through a chain of one-symbol productions (relation:
   simple_expression, simple_expression: term, ...), and each operation
   spells its operator: an operand then reaches the level it stands at in
   one reduction, not five. Each *_operation is the form of its level that
   has an operator of that level. */
expression
    : primary
    | factor_operation
    | term_operation
    | simple_expression_operation
    | relation_operation
    | expression AND relation
    | expression OR relation
    | expression XOR relation
    | expression AND THEN relation
    | expression OR ELSE relation
    ;

relation
    : primary
    | factor_operation
    | term_operation
    | simple_expression_operation
    | relation_operation
    ;

relation_operation
    : simple_expression EQUAL simple_expression
    | simple_expression NOT_EQUAL simple_expression
    | simple_expression LESS simple_expression
    | simple_expression LESS_EQUAL simple_expression
    | simple_expression GREATER simple_expression
    | simple_expression GREATER_EQUAL simple_expression
    | simple_expression IN membership_choice_list %prec MEMBERSHIP
    | simple_expression NOT IN membership_choice_list %prec MEMBERSHIP
    | raise_expression
    ;

membership_choice_list
    : membership_choice
    | membership_choice_list BAR membership_choice
    ;

membership_choice
    : simple_expression
    | range
    ;

raise_expression
    : RAISE name %prec RAISE_WITHOUT_MESSAGE
    | RAISE name WITH simple_expression
    ;

simple_expression
    : primary
    | factor_operation
    | term_operation
    | simple_expression_operation
    ;

simple_expression_operation
    : PLUS term
    | MINUS term
    | simple_expression PLUS term
    | simple_expression MINUS term
    | simple_expression AMPERSAND term
    ;

term
    : primary
    | factor_operation
    | term_operation
    ;

term_operation
    : term STAR factor
    | term SLASH factor
    | term MOD factor
    | term REM factor
    ;

factor
    : primary
    | factor_operation
    ;

factor_operation
    : NOT primary
    | ABS primary
    | primary DOUBLE_STAR primary
    ;

primary
    : NUMERIC_LITERAL
    | NULL
    | name
    | allocator
    | parenthesized_primary
    | bracket_aggregate
    ;

parenthesized_primary
    : aggregate_in_parentheses
    | LEFT_PAREN expression RIGHT_PAREN
    | LEFT_PAREN paren_only_expression RIGHT_PAREN
    ;

aggregate_in_parentheses
    : LEFT_PAREN named_association RIGHT_PAREN
    | LEFT_PAREN component_association_list RIGHT_PAREN
    | LEFT_PAREN expression WITH association_list RIGHT_PAREN
    | LEFT_PAREN expression WITH NULL RECORD RIGHT_PAREN
    | LEFT_PAREN expression WITH DELTA association_list RIGHT_PAREN
    | LEFT_PAREN NULL RECORD RIGHT_PAREN
    ;

/* Expressions that stand only in parentheses of their own, or as the only
   argument of a call or pragma. */
paren_only_expression
    : if_expression
    | case_expression
    | quantified_expression
    | declare_expression
    ;

if_expression
    : IF expression THEN expression elsif_expression_list
    | IF expression THEN expression elsif_expression_list ELSE expression
    ;

elsif_expression_list
    : %empty
    | elsif_expression_list ELSIF expression THEN expression
    ;

case_expression
    : CASE expression IS case_expression_alternative_list
    ;

case_expression_alternative_list
    : case_expression_alternative
    | case_expression_alternative_list COMMA case_expression_alternative
    ;

case_expression_alternative
    : WHEN discrete_choice_list ARROW expression
    ;

quantified_expression
    : FOR ALL iteration ARROW expression
    | FOR SOME iteration ARROW expression
    ;

declare_expression
    : DECLARE declare_item_list BEGIN expression
    ;

declare_item_list
    : %empty
    | declare_item_list object_declaration
    | declare_item_list object_renaming_declaration
    ;

qualified_expression
    : name TICK parenthesized_primary
    | name TICK bracket_aggregate
    ;

allocator
    : NEW name
    | NEW LEFT_PAREN name RIGHT_PAREN name
    ;

/* Iterations of loops, quantified expressions and iterated associations:
   over a range or subtype, over a container or array, with a filter. */
iteration
    : defining_identifier IN reverse_opt discrete_range iterator_filter_opt
    | defining_identifier COLON subtype_indication IN reverse_opt name iterator_filter_opt
    | defining_identifier OF reverse_opt name iterator_filter_opt
    | defining_identifier COLON subtype_indication OF reverse_opt name iterator_filter_opt
    ;

/* A loop over what a procedure passes to the loop body: its parameters
   named, or given with their types, then the call. */
procedural_iterator
    : LEFT_PAREN defining_identifier_list RIGHT_PAREN OF name iterator_filter_opt
    | formal_part OF name iterator_filter_opt
    ;

reverse_opt
    : %empty
    | REVERSE
    ;

iterator_filter_opt
    : %empty
    | WHEN expression
    ;

/* The loop parameter is the bare IDENTIFIER: as a defining_identifier its
   state would merge with a statement's start, where a name followed by IN
   begins a membership test. */
chunk_specification
    : simple_expression
    | IDENTIFIER IN discrete_range
    ;

/* Statements. A label stands as a statement of its own, so that labels may
   end a sequence. */

sequence_of_statements
    : statement
    | sequence_of_statements statement
    ;

/* A statement lists the simple and compound statements itself, so that
   each reaches statement in one reduction. */
statement
    : pragma
    | label
    | null_statement
    | assignment_statement
    | exit_statement
    | return_statement
    | goto_statement
    | delay_statement
    | abort_statement
    | raise_statement
    | requeue_statement
    | procedure_call_statement
    | if_statement
    | case_statement
    | loop_statement
    | block_statement
    | extended_return_statement
    | parallel_block_statement
    | accept_statement
    | select_statement
    ;

label
    : LEFT_LABEL_BRACKET defining_identifier RIGHT_LABEL_BRACKET
    ;

null_statement
    : NULL SEMICOLON
    ;

assignment_statement
    : name ASSIGNMENT expression SEMICOLON
    ;

if_statement
    : IF cond_clause_list else_opt END IF SEMICOLON
    ;

cond_clause_list
    : cond_clause
    | cond_clause_list ELSIF cond_clause
    ;

cond_clause
    : expression THEN sequence_of_statements
    ;

else_opt
    : %empty
    | ELSE sequence_of_statements
    ;

case_statement
    : CASE expression IS pragma_list case_statement_alternative_list END CASE SEMICOLON
    ;

case_statement_alternative_list
    : %empty
    | case_statement_alternative_list case_statement_alternative
    ;

case_statement_alternative
    : WHEN discrete_choice_list ARROW sequence_of_statements
    ;

loop_statement
    : statement_identifier_opt iteration_scheme_opt LOOP sequence_of_statements END LOOP designator_opt SEMICOLON
    ;

statement_identifier_opt
    : %empty
    | defining_identifier COLON
    ;

iteration_scheme_opt
    : %empty
    | WHILE expression
    | FOR iteration
    | FOR procedural_iterator
    | PARALLEL FOR iteration
    | PARALLEL LEFT_PAREN chunk_specification RIGHT_PAREN FOR iteration
    ;

designator_opt
    : %empty
    | designator
    ;

block_statement
    : statement_identifier_opt block_declare_opt block_body END designator_opt SEMICOLON
    ;

block_declare_opt
    : %empty
    | DECLARE declarative_part
    ;

block_body
    : BEGIN handled_sequence_of_statements
    ;

handled_sequence_of_statements
    : sequence_of_statements exception_handler_part_opt
    ;

exception_handler_part_opt
    : %empty
    | EXCEPTION exception_handler_list
    ;

parallel_block_statement
    : statement_identifier_opt PARALLEL DO handled_sequence_of_statements parallel_sequence_list END DO SEMICOLON
    ;

parallel_sequence_list
    : AND handled_sequence_of_statements
    | parallel_sequence_list AND handled_sequence_of_statements
    ;

exit_statement
    : EXIT name_opt when_condition_opt SEMICOLON
    ;

name_opt
    : %empty
    | name
    ;

when_condition_opt
    : %empty
    | WHEN expression
    ;

return_statement
    : RETURN SEMICOLON
    | RETURN expression SEMICOLON
    ;

extended_return_statement
    : RETURN defining_identifier COLON object_qualifier_opt return_object_subtype initialization_opt aspect_specification_opt SEMICOLON
    | RETURN defining_identifier COLON object_qualifier_opt return_object_subtype initialization_opt aspect_specification_opt DO handled_sequence_of_statements END RETURN SEMICOLON
    ;

return_object_subtype
    : subtype_indication
    | access_definition
    ;

goto_statement
    : GOTO name SEMICOLON
    ;

procedure_call_statement
    : name SEMICOLON
    ;

/* Subprograms. A subprogram's head, up to its aspects, is common to all
   its forms; which one it is shows after it. */

subprogram_head
    : subprogram_specification aspect_specification_opt
    | overriding_indicator subprogram_specification aspect_specification_opt
    ;

overriding_indicator
    : OVERRIDING
    | NOT OVERRIDING
    ;

subprogram_declaration
    : subprogram_head SEMICOLON
        { library_unit_close(SPEC, top_properties() | IS_DECLARATION, $2); }
    | subprogram_head IS NEW name aspect_specification_opt SEMICOLON
        { subprogram_instantiation_add(); unit_end(units_last(), $6); }
    | subprogram_head IS ABSTRACT aspect_specification_opt SEMICOLON
        { library_unit_close(BODY, top_properties() | IS_ABSTRACT, $5); }
    | subprogram_head IS NULL aspect_specification_opt SEMICOLON
        { unit_leave(); }
    | subprogram_head IS parenthesized_primary aspect_specification_opt SEMICOLON
        { unit_leave(); }
    | subprogram_head IS bracket_aggregate aspect_specification_opt SEMICOLON
        { unit_leave(); }
    ;

subprogram_specification
    : PROCEDURE compound_name formal_part_opt
        { unit_enter($2.text, IS_PROCEDURE); }
    | FUNCTION designator formal_part_opt RETURN return_subtype
        { unit_enter($2.text, IS_FUNCTION); }
    | FUNCTION designator
        { unit_enter($2.text, IS_FUNCTION); }
    ;

designator
    : compound_name
    | operator_symbol
    ;

formal_part_opt
    : %empty
    | formal_part
    ;

formal_part
    : LEFT_PAREN parameter_specification_list RIGHT_PAREN
    ;

parameter_specification_list
    : parameter_specification
    | parameter_specification_list SEMICOLON parameter_specification
    ;

parameter_specification
    : defining_identifier_list COLON aliased_opt mode null_exclusion_opt mark initialization_opt
    | defining_identifier_list COLON aliased_opt mode access_definition initialization_opt
    ;

mode
    : %empty
    | IN
    | OUT
    | IN OUT
    ;

subprogram_body
    : subprogram_head IS declarative_part block_body END designator_opt SEMICOLON
        { library_unit_close(PROC, top_properties() | IS_BODY, $7); }
    ;

/* Packages, use clauses and renamings. */

/* A specification or instantiation is created before its final semicolon is
   read; the semicolon ends the unit created last. */
package_declaration
    : package_specification SEMICOLON
        { unit_end(units_last(), $2); }
    | package_instantiation SEMICOLON
        { unit_end(units_last(), $2); }
    ;

/* A package's name and aspects up to IS; its value is the name. */
package_head
    : PACKAGE compound_name IS
        { $$ = $2; }
    | PACKAGE compound_name aspect_specification IS
        { $$ = $2; }
    ;

/* The start markers follow the construct's head or name: $0 is its name. */
package_spec_start
    : %empty
        { unit_enter($0.text, 0); }
    ;

package_spec_end
    : %empty
        { package_specification_close(); }
    ;

package_specification
    : package_head package_spec_start basic_declarative_part private_part_opt END package_spec_end compound_name_opt
    ;

package_instantiation
    : package_head NEW name aspect_specification_opt
        { package_instantiation_add($1.text); }
    ;

private_part_opt
    : %empty
    | PRIVATE basic_declarative_part
    ;

compound_name_opt
    : %empty
    | compound_name
    ;

package_body_head
    : PACKAGE BODY compound_name aspect_specification_opt IS
        { $$ = $3; }
    ;

package_body_start
    : %empty
        { unit_enter($0.text, 0); }
    ;

package_body
    : package_body_head package_body_start declarative_part block_body_opt END compound_name_opt SEMICOLON
        { library_unit_close(BODY, IS_BODY | IS_PACKAGE, $7); }
    ;

block_body_opt
    : %empty
    | block_body
    ;

use_clause
    : USE name_list SEMICOLON
    | USE TYPE name_list SEMICOLON
    | USE ALL TYPE name_list SEMICOLON
    ;

name_list
    : name
    | name_list COMMA name
    ;

renaming_declaration
    : object_renaming_declaration
    | defining_identifier_list COLON EXCEPTION RENAMES name aspect_specification_opt SEMICOLON
    | unit_renaming_declaration
    ;

object_renaming_declaration
    : defining_identifier_list COLON object_qualifier_opt subtype_indication RENAMES name aspect_specification_opt SEMICOLON
    | defining_identifier_list COLON object_qualifier_opt access_definition RENAMES name aspect_specification_opt SEMICOLON
    | defining_identifier RENAMES name aspect_specification_opt SEMICOLON
    ;

unit_renaming_declaration
    : PACKAGE compound_name RENAMES name aspect_specification_opt SEMICOLON
        { library_renaming($2.text, IS_DECLARATION | IS_RENAMING | IS_PACKAGE, $4.text, $6); }
    | subprogram_head RENAMES name aspect_specification_opt SEMICOLON
        { library_renaming(nullptr, top_properties() | IS_DECLARATION | IS_RENAMING, $3.text, $5); }
    | generic_formal_part PACKAGE compound_name RENAMES name aspect_specification_opt SEMICOLON
        { library_renaming($3.text, IS_GENERIC | IS_RENAMING | IS_PACKAGE, $5.text, $7); }
    | generic_formal_part subprogram_specification RENAMES name aspect_specification_opt SEMICOLON
        { library_renaming(nullptr, top_properties() | IS_GENERIC | IS_DECLARATION | IS_RENAMING, $4.text, $6); }
    ;

/* Tasks, protected units, entries, accept and select statements. */

task_declaration
    : task_specification SEMICOLON
        { unit_leave(); }
    ;

task_specification
    : TASK direct_name aspect_specification_opt task_definition_opt
        { unit_enter($2.text, IS_DECLARATION | IS_TASK); }
    | TASK TYPE direct_name discriminant_part_opt aspect_specification_opt task_definition_opt
        { unit_enter($3.text, IS_DECLARATION | IS_TYPE | IS_TASK); }
    ;

task_definition_opt
    : %empty
    | IS interface_inheritance_opt entry_declaration_list representation_clause_list task_private_part_opt END designator_opt
    ;

interface_inheritance_opt
    : %empty
    | NEW interface_list WITH
    ;

task_private_part_opt
    : %empty
    | PRIVATE entry_declaration_list representation_clause_list
    ;

/* A task or protected body's name and aspects up to IS; its value is the name. */
body_head
    : BODY direct_name aspect_specification_opt IS
        { $$ = $2; }
    ;

task_body_start
    : %empty
        { unit_enter($0.text, IS_BODY | IS_TASK); }
    ;

task_body
    : TASK body_head task_body_start declarative_part block_body END designator_opt SEMICOLON
        { library_unit_close(BODY, IS_BODY | IS_TASK, $8); }
    ;

protected_declaration
    : protected_specification SEMICOLON
    ;

protected_specification
    : PROTECTED defining_identifier aspect_specification_opt IS interface_inheritance_opt protected_definition
    | PROTECTED TYPE direct_name discriminant_part_opt aspect_specification_opt IS interface_inheritance_opt protected_definition
    ;

protected_definition_start
    : %empty
        { protected_definition_enter(); }
    ;

protected_definition
    : protected_definition_start protected_operation_declaration_list protected_private_part_opt END designator_opt
        { protected_definition_leave(); }
    ;

protected_private_part_opt
    : %empty
    | PRIVATE protected_element_declaration_list
    ;

protected_operation_declaration_list
    : %empty
    | protected_operation_declaration_list protected_operation_declaration
    ;

protected_operation_declaration
    : entry_declaration
    | subprogram_declaration
    | representation_clause
    | pragma
    ;

protected_element_declaration_list
    : %empty
    | protected_element_declaration_list protected_element_declaration
    ;

protected_element_declaration
    : protected_operation_declaration
    | component_declaration
    ;

protected_body_start
    : %empty
        { unit_enter($0.text, IS_PROTECTED); }
    ;

protected_body
    : PROTECTED body_head protected_body_start protected_operation_item_list END designator_opt SEMICOLON
        { library_unit_close(BODY, IS_BODY | IS_PROTECTED, $7); }
    ;

protected_operation_item_list
    : pragma_list
    | protected_operation_item_list protected_operation_item pragma_list
    ;

protected_operation_item
    : entry_body
    | subprogram_body
    | subprogram_declaration
    | representation_clause
    ;

entry_declaration_list
    : pragma_list
    | entry_declaration_list entry_declaration pragma_list
    ;

entry_declaration
    : entry_head formal_part_opt aspect_specification_opt SEMICOLON
    | entry_head LEFT_PAREN discrete_range RIGHT_PAREN formal_part_opt aspect_specification_opt SEMICOLON
    ;

entry_head
    : ENTRY defining_identifier
    | overriding_indicator ENTRY defining_identifier
    ;

entry_body
    : ENTRY defining_identifier formal_part_opt aspect_specification_opt WHEN expression entry_body_part
    | ENTRY defining_identifier LEFT_PAREN FOR defining_identifier IN discrete_range RIGHT_PAREN formal_part_opt aspect_specification_opt WHEN expression entry_body_part
    ;

entry_body_part
    : SEMICOLON
    | IS declarative_part block_body END designator_opt SEMICOLON
    ;

representation_clause_list
    : %empty
    | representation_clause_list representation_clause pragma_list
    ;

accept_statement
    : accept_head SEMICOLON
    | accept_head DO handled_sequence_of_statements END designator_opt SEMICOLON
    ;

accept_head
    : ACCEPT entry_name formal_part_opt
    ;

entry_name
    : direct_name
    | entry_name LEFT_PAREN expression RIGHT_PAREN
    ;

delay_statement
    : DELAY expression SEMICOLON
    | DELAY UNTIL expression SEMICOLON
    ;

select_statement
    : SELECT guarded_select_alternative or_select_alternative_list else_opt END SELECT SEMICOLON
    | SELECT procedure_call_statement sequence_of_statements_opt ELSE sequence_of_statements END SELECT SEMICOLON
    | SELECT procedure_call_statement sequence_of_statements_opt OR delay_statement sequence_of_statements_opt END SELECT SEMICOLON
    | SELECT triggering_alternative THEN ABORT sequence_of_statements END SELECT SEMICOLON
    ;

guarded_select_alternative
    : select_alternative
    | WHEN expression ARROW select_alternative
    ;

or_select_alternative_list
    : %empty
    | or_select_alternative_list OR guarded_select_alternative
    ;

select_alternative
    : accept_statement sequence_of_statements_opt
    | delay_statement sequence_of_statements_opt
    | TERMINATE SEMICOLON
    ;

triggering_alternative
    : delay_statement sequence_of_statements_opt
    | procedure_call_statement sequence_of_statements_opt
    ;

sequence_of_statements_opt
    : %empty
    | sequence_of_statements
    ;

abort_statement
    : ABORT name_list SEMICOLON
    ;

/* The compilation and its units, subunits and body stubs. */

compilation
    : compilation_unit_list
    ;

compilation_unit_list
    : %empty
    | compilation_unit_list compilation_unit
    | pragma pragma_list
    ;

/* The pragmas after a library item belong to its unit, which ends with the
   last of them, up to the first configuration pragma, which opens the next
   compilation unit; then the parse's strings can go. */
compilation_unit
    : context_clause private_opt library_unit trailing_pragma_list
        { compilation_unit_close($4); }
    | private_opt library_unit trailing_pragma_list
        { compilation_unit_close($3); }
    ;

trailing_pragma_list
    : %empty
        { $$ = trailing_pragmas_begin(); }
    | trailing_pragma_list pragma
        { $$ = trailing_pragma_add($1, $2); }
    ;

private_opt
    : %empty
    | PRIVATE
    ;

context_clause
    : with_clause context_item_list
    | context_clause with_clause context_item_list
    ;

with_clause
    : WITH compound_name_list SEMICOLON
        { with_clause_add($2.names); }
    | LIMITED WITH compound_name_list SEMICOLON
        { with_clause_add($3.names); }
    | PRIVATE WITH compound_name_list SEMICOLON
        { with_clause_add($3.names); }
    | LIMITED PRIVATE WITH compound_name_list SEMICOLON
        { with_clause_add($4.names); }
    ;

context_item_list
    : %empty
    | context_item_list use_clause
    | context_item_list pragma
    ;

library_unit
    : package_declaration
    | package_body
    | subprogram_declaration
    | subprogram_body
    | subunit
    | generic_declaration
    | unit_renaming_declaration
    ;

/* Follows the parent's name, which is $0. */
subunit_parent_end
    : %empty
        { subunit_begin($0.text); }
    ;

subunit
    : SEPARATE LEFT_PAREN compound_name subunit_parent_end RIGHT_PAREN subunit_body
        { subunit_end(); }
    ;

subunit_body
    : subprogram_body
    | package_body
    | task_body
    | protected_body
    ;

body_stub
    : TASK body_head SEPARATE aspect_specification_opt SEMICOLON
    | package_body_head SEPARATE aspect_specification_opt SEMICOLON
    | subprogram_head IS SEPARATE aspect_specification_opt SEMICOLON
        { library_unit_close(BODY, top_properties() | IS_BODY | IS_STUB, $5); }
    | PROTECTED body_head SEPARATE aspect_specification_opt SEMICOLON
    ;

/* Exceptions, raise and requeue statements. */

exception_declaration
    : defining_identifier_list COLON EXCEPTION aspect_specification_opt SEMICOLON
    ;

exception_handler_list
    : exception_handler
    | exception_handler_list exception_handler
    ;

exception_handler
    : WHEN exception_choice_list ARROW sequence_of_statements
    | WHEN defining_identifier COLON exception_choice_list ARROW sequence_of_statements
    ;

exception_choice_list
    : exception_choice
    | exception_choice_list BAR exception_choice
    ;

exception_choice
    : name
    | OTHERS
    ;

raise_statement
    : RAISE SEMICOLON
    | RAISE name SEMICOLON
    | RAISE name WITH expression SEMICOLON
    ;

requeue_statement
    : REQUEUE name SEMICOLON
    | REQUEUE name WITH ABORT SEMICOLON
    ;

/* Generics and instantiations. */

generic_declaration
    : generic_formal_part subprogram_specification aspect_specification_opt SEMICOLON
        { library_unit_close(SPEC, top_properties() | IS_GENERIC | IS_DECLARATION, $4); }
    | generic_formal_part package_specification SEMICOLON
        { unit_end(units_last(), $3); }
    ;

generic_formal_part
    : GENERIC
    | generic_formal_part generic_formal_parameter_declaration
    ;

generic_formal_parameter_declaration
    : defining_identifier_list COLON mode null_exclusion_opt mark initialization_opt aspect_specification_opt SEMICOLON
    | defining_identifier_list COLON mode access_definition initialization_opt aspect_specification_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt IS TAGGED SEMICOLON
    | TYPE direct_name discriminant_part_opt IS formal_type_definition formal_default_opt aspect_specification_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt IS formal_derived_type_definition SEMICOLON
    | WITH PROCEDURE direct_name formal_part_opt subprogram_default_opt aspect_specification_opt SEMICOLON
    | WITH FUNCTION designator formal_part_opt RETURN return_subtype subprogram_default_opt aspect_specification_opt SEMICOLON
    | WITH PACKAGE direct_name IS NEW name aspect_specification_opt SEMICOLON
    | use_clause
    | pragma
    ;

formal_default_opt
    : %empty
    | OR USE name
    ;

subprogram_default_opt
    : %empty
    | IS name
    | IS BOX
    | IS NULL
    | IS ABSTRACT
    | IS ABSTRACT name
    | IS ABSTRACT BOX
    ;

formal_type_definition
    : LEFT_PAREN BOX RIGHT_PAREN
    | RANGE BOX
    | MOD BOX
    | DELTA BOX
    | DELTA BOX DIGITS BOX
    | DIGITS BOX
    | array_type_definition
    | access_type_definition
    | private_type_definition
    | interface_type_definition
    ;

/* Like a derived type, it takes its aspects itself. */
formal_derived_type_definition
    : derived_type_head
    | derived_type_head aspect_specification
    | derived_type_head OR USE name aspect_specification_opt
    | derived_type_head WITH PRIVATE formal_default_opt aspect_specification_opt
    ;

/* Representation clauses. */

representation_clause
    : FOR mark USE expression SEMICOLON
    | FOR mark USE RECORD mod_clause_opt component_clause_list END RECORD SEMICOLON
    | FOR mark USE AT expression SEMICOLON
    ;

mod_clause_opt
    : %empty
    | AT MOD expression SEMICOLON
    ;

component_clause_list
    : %empty
    | component_clause_list mark AT expression RANGE range SEMICOLON
    ;

%%
