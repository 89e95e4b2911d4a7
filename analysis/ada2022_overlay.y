/* What Ada 2005, 2012 and 2022 changed in the syntax that ada_grammar.y
   reads. The grammar of those revisions is ada_grammar.y with this file laid
   over it (analysis/grammar_overlay.py writes it into the build tree); each
   entry names the Reference Manual clause it comes from.

   The notation is bison's, with four additions:
     name : ... ;             a nonterminal of ada_grammar.y, replaced whole;
                              or one that Ada 95 does not have, added.
     name : %inherit | ... ;  Ada 95's alternatives, and the ones listed.
     | %remove symbols        in such a rule: that Ada 95 alternative, gone.
     %drop name ... ;         Ada 95 nonterminals that the later grammar no
                              longer uses.
   Everything else is inherited: ada_grammar.y's declarations, tokens and
   prologue, and every nonterminal not named here, with its actions. The
   actions build the same unit list through analysis/parse_actions.h.

   The scanner withholds the reserved words a revision does not have, so one
   grammar reads 2005, 2012 and 2022. Names, calls, indexing, slices and
   conversions still share one `name` form, so that one token of lookahead
   suffices; several constructs below are spelled out where Ada 95's grammar
   names a part, which keeps the later grammar free of conflicts. */

%define api.prefix {ada2022_}

%code {
#include <algorithm>
#include <type_traits>

/* Ada 95's stacks of 400 entries are too shallow for the later revisions'
   code (48 nested case statements fill them). Bison calls yyoverflow when
   the stacks are full and frees nothing it gives: the first time in a
   parse, the stacks move to deep ones of 10,000 entries, made once through
   the guarded allocator and kept for every later parse; when those are
   full too, the construct nests too deeply, which bison would otherwise
   report as a syntax error. As in the base, bison counts a stack as full
   once its last entry is filled, so it is given one more. */
#define yyoverflow(message, states, state_bytes, values, value_bytes, size) \
  parse_stack_deepen(states, values, size)

/* Moves the `*size` entries of full stacks to the deep stacks, or ends the
   run when they are the deep stacks already. */
template <typename State, typename Size>
static void parse_stack_deepen(State** states, SemanticValue** values, Size* size) {
  constexpr Size deep_entries = 10001;
  static_assert(std::is_trivially_copyable_v<SemanticValue>);
  if (*size >= deep_entries) report_nesting_too_deep();
  static State* const deep_states = static_cast<State*>(ac_alloc(deep_entries * sizeof(State)));
  static SemanticValue* const deep_values = static_cast<SemanticValue*>(ac_alloc(deep_entries * sizeof(SemanticValue)));
  std::copy_n(*states, *size, deep_states);
  std::copy_n(*values, *size, deep_values);
  *states = deep_states;
  *values = deep_values;
  *size = deep_entries;
}
}

/* Three places where the standard settles a choice that one token of
   lookahead cannot: a vertical bar after a membership test continues its
   choices (a membership test is no discrete choice), the message of a
   raise expression takes a following WITH, and a RANGE or DIGITS after an
   allocator constrains the allocator's subtype (4.8). */
%precedence MEMBERSHIP
%precedence BAR
%precedence RAISE_WITHOUT_MESSAGE
%precedence WITH
%precedence ALLOCATOR_WITHOUT_CONSTRAINT
%precedence RANGE DIGITS

%%

/* 2.8: an argument may be a conditional or quantified expression (4.5.7,
   4.5.8), or named by an aspect-like name such as Post'Class; Interface is
   a reserved word from 2005 on, and still the name of an Ada 95 pragma. */
pragma
    : %inherit
    | PRAGMA direct_name LEFT_PAREN paren_only_expression RIGHT_PAREN SEMICOLON
        { $$ = $6; $$.text = $2.text; }
    | PRAGMA INTERFACE LEFT_PAREN pragma_argument_list RIGHT_PAREN SEMICOLON
        { $$ = $6; $$.text = parse_string_copy("interface"); }
    ;

pragma_argument
    : %inherit
    | %remove direct_name ARROW expression
    | name ARROW expression
    | name ARROW reserved_attribute_designator
    ;

/* 13.12.1 (2012): No_Use_Of_Attribute names an attribute by its
   designator, which may be a reserved word. */
reserved_attribute_designator
    : ACCESS
    | DELTA
    | DIGITS
    | MOD
    ;

/* 13.1.1 (2012): aspect specifications, which change no unit. */
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

/* 6.1.2 (2022): the Global aspect names its objects with modes: `in out X`,
   `in all`, `(in X, Y; out Z)`; H.7 adds the generic formals a call may use
   (`use null`, `use T, F`), the dispatching calls it may make (`do Op (X)`)
   and overriding modes. Elements are separated by semicolons, or by commas
   as in the manual's examples (`(in all, use null)`), so a list that opens
   with a mode is read flat; one that opens with an expression (`(null, use
   null)`) is an aggregate whose later elements may be of this kind. */
aspect_definition
    : expression
    | global_element
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

global_element
    : global_mode global_designator
    | OVERRIDING global_mode global_designator
    | USE NULL
    | USE global_designator
    | DO name
    ;

global_element_list
    : global_mode global_designator
    | OVERRIDING global_mode global_designator
    | global_element_list COMMA global_element
    | global_element_list COMMA global_designator
    | global_element_list SEMICOLON global_element
    ;

/* 3.3.1: objects take aspects (2012), and an anonymous access type (2005). */
object_declaration
    : defining_identifier_list COLON object_qualifier_opt object_subtype_definition initialization_opt aspect_specification_opt SEMICOLON
    ;

object_subtype_definition
    : %inherit
    | access_definition
    ;

/* 3.2.1: a type's declaration takes aspects; an incomplete type may be
   tagged (2005). A derived type or private extension takes its aspects
   itself: after its parent a WITH may begin an extension or the aspects. */
type_declaration
    : TYPE defining_identifier discriminant_part_opt SEMICOLON
    | TYPE defining_identifier discriminant_part_opt IS TAGGED SEMICOLON
    | TYPE defining_identifier discriminant_part_opt IS type_definition aspect_specification_opt SEMICOLON
    | TYPE defining_identifier discriminant_part_opt IS derived_type_definition SEMICOLON
    ;

%drop type_definition_opt ;

type_definition
    : %inherit
    | %remove derived_type_definition
    | interface_type_definition
    ;

/* 3.4, 7.3: derived types and private extensions, limited or synchronized,
   with progenitor interfaces (2005). */
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

/* 3.9.4 (2005): interface types. */
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

/* 3.2.2: subtypes take aspects (2012) and a null exclusion (2005). */
subtype_declaration
    : SUBTYPE defining_identifier IS subtype_indication aspect_specification_opt SEMICOLON
    ;

subtype_indication
    : %inherit
    | NOT NULL name constraint
    | NOT NULL name
    ;

/* 3.5.4, 3.5.7, 3.5.9, J.3: the digits and delta constraints and the
   numeric types spelled out, without Ada 95's named parts. */
constraint
    : range_constraint
    | DIGITS simple_expression range_constraint_opt
    | DELTA simple_expression range_constraint_opt
    ;

integer_type_definition
    : %inherit
    | %remove signed_integer_type_definition
    | range_constraint
    ;

real_range_specification_opt
    : %inherit
    | %remove signed_integer_type_definition
    | range_constraint
    ;

real_type_definition
    : DIGITS expression real_range_specification_opt
    | DELTA expression real_range_specification_opt
    | DELTA expression DIGITS expression real_range_specification_opt
    ;

%drop digits_constraint signed_integer_type_definition floating_point_definition fixed_point_definition ;

/* 3.6: array types spelled out likewise; a component may be of an
   anonymous access type (2005). */
array_type_definition
    : ARRAY LEFT_PAREN index_subtype_definition_list RIGHT_PAREN OF component_definition
    | ARRAY index_constraint OF component_definition
    ;

%drop unconstrained_array_definition constrained_array_definition ;

component_definition
    : %inherit
    | aliased_opt access_definition
    ;

/* 3.8: a record's END RECORD may repeat the type's name (2022), and its
   components take aspects (2012). */
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

%drop tagged_opt limited_opt end_record ;

record_definition
    : %inherit
    | %remove RECORD pragma_list component_list end_record
    | RECORD pragma_list component_list END RECORD designator_opt
    ;

component_declaration
    : defining_identifier_list COLON component_definition initialization_opt aspect_specification_opt SEMICOLON
    ;

/* 3.7, 3.10 (2005): null exclusions and anonymous access types in
   discriminants, parameters and results, access to constants and to
   subprograms among them. */
discriminant_specification
    : defining_identifier_list COLON null_exclusion_opt mark initialization_opt
    | defining_identifier_list COLON access_definition initialization_opt
    ;

%drop access_opt ;

null_exclusion_opt
    : %empty
    | NOT NULL
    ;

access_definition
    : access_prefix mark
    | access_prefix CONSTANT mark
    | access_prefix access_to_subprogram_definition
    ;

access_to_subprogram_definition
    : %inherit
    | %remove protected_opt FUNCTION formal_part_opt RETURN mark
    | protected_opt FUNCTION formal_part_opt RETURN return_subtype
    ;

return_subtype
    : null_exclusion_opt mark
    | access_definition
    ;

/* 7.3: private types, limited or tagged, through the record's prefix. */
private_type_definition
    : record_prefix PRIVATE
    ;

/* 4.1: names. A call's only argument may be a conditional or quantified
   expression (4.5.7, 4.5.8), a prefix may be a container aggregate (4.3.5),
   a qualified expression (2012, 4.7), or @, the target of an assignment
   (2022, 5.2.1). */
name
    : %inherit
    | name LEFT_PAREN paren_only_expression RIGHT_PAREN
    | bracket_aggregate TICK attribute_designator
    | qualified_expression
    | AT_SIGN
    ;

/* 4.3.1: a component association may give <> for a default (2005); an
   aspect's aggregate may hold the Global aspect's generic formals and
   dispatching calls (6.1.2, H.7). */
association
    : %inherit
    | BOX
    | USE NULL
    | USE global_designator
    | DO name
    ;

/* 4.1.4: 'Mod (2005). */
attribute_designator
    : %inherit
    | MOD
        { $$.text = parse_string_copy("mod"); }
    ;

/* 4.3.3, 4.3.4, 4.3.5 (2022): aggregates in brackets: array, delta and
   container aggregates. */
bracket_aggregate
    : LEFT_BRACKET RIGHT_BRACKET
    | LEFT_BRACKET association_list RIGHT_BRACKET
    | LEFT_BRACKET expression WITH DELTA association_list RIGHT_BRACKET
    | LEFT_BRACKET PARALLEL iterated_association RIGHT_BRACKET
    | LEFT_BRACKET PARALLEL LEFT_PAREN chunk_specification RIGHT_PAREN iterated_association RIGHT_BRACKET
    ;

named_association
    : %inherit
    | discrete_choice_list ARROW BOX
    | iterated_association
    ;

/* 4.3.3, 4.3.5: a component or element produced for each value of an
   iteration, with an optional key, or of a list of choices (2022); a single
   choice reads as an iteration. */
iterated_association
    : FOR iteration ARROW expression
    | FOR iteration USE expression ARROW expression
    | FOR defining_identifier IN discrete_choice_list BAR discrete_choice ARROW expression
    ;

/* 4.4, 4.8: an allocator whose subtype has a range, digits or delta
   constraint stands as a whole expression: the constraint's last bound takes
   every operator after it, the longest reading, which one token of
   lookahead cannot make of a primary. */
expression
    : %inherit
    | allocator_head range_constraint
    | allocator_head DIGITS simple_expression %prec ALLOCATOR_WITHOUT_CONSTRAINT
    | allocator_head DIGITS simple_expression range_constraint
    | allocator_head DELTA simple_expression %prec ALLOCATOR_WITHOUT_CONSTRAINT
    | allocator_head DELTA simple_expression range_constraint
    ;

/* 4.4, 4.5.2 (2012): a membership test takes a list of choices, and 11.3
   (2012): a raise expression is a relation. */
relation_operation
    : %inherit
    | %remove simple_expression IN range
    | %remove simple_expression IN name
    | %remove simple_expression NOT IN range
    | %remove simple_expression NOT IN name
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

/* 4.4: a qualified expression is a name now (above); an aggregate may stand
   in brackets (2022) and a delta aggregate in parentheses (4.3.4). */
primary
    : %inherit
    | %remove qualified_expression
    | bracket_aggregate
    ;

parenthesized_primary
    : %inherit
    | %remove aggregate
    | aggregate_in_parentheses
    | LEFT_PAREN paren_only_expression RIGHT_PAREN
    ;

%drop aggregate ;

aggregate_in_parentheses
    : LEFT_PAREN named_association RIGHT_PAREN
    | LEFT_PAREN component_association_list RIGHT_PAREN
    | LEFT_PAREN expression WITH association_list RIGHT_PAREN
    | LEFT_PAREN expression WITH NULL RECORD RIGHT_PAREN
    | LEFT_PAREN expression WITH DELTA association_list RIGHT_PAREN
    | LEFT_PAREN NULL RECORD RIGHT_PAREN
    ;

/* 4.5.7, 4.5.8 (2012), 4.5.9 (2022): expressions that stand only in
   parentheses of their own, or as the only argument of a call or pragma. */
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

/* 4.7 (2022): a qualified array or container aggregate in brackets. */
qualified_expression
    : %inherit
    | name TICK bracket_aggregate
    ;

/* 4.8: an allocator's qualified expression is a name now; a subpool may be
   named (2012); its subtype indication may exclude null (2005; only a
   legality rule forbids it). */
allocator
    : %inherit
    | %remove NEW name
    | %remove NEW qualified_expression
    | allocator_head %prec ALLOCATOR_WITHOUT_CONSTRAINT
    ;

allocator_head
    : NEW name
    | NEW NOT NULL name
    | NEW LEFT_PAREN name RIGHT_PAREN name
    | NEW LEFT_PAREN name RIGHT_PAREN NOT NULL name
    ;

/* 5.5, 5.5.2 (2012), 5.5.3 (2022): iterations of loops, quantified
   expressions and iterated associations: over a range or subtype, over a
   container or array, with a filter. REVERSE is spelled out after IN, where
   an iterated association's choice list may also begin (4.3.3). */
iteration
    : defining_identifier IN discrete_range iterator_filter_opt
    | defining_identifier IN REVERSE discrete_range iterator_filter_opt
    | defining_identifier COLON loop_parameter_subtype_indication IN reverse_opt name iterator_filter_opt
    | defining_identifier OF reverse_opt name iterator_filter_opt
    | defining_identifier COLON loop_parameter_subtype_indication OF reverse_opt name iterator_filter_opt
    ;

/* 5.5.2 (2012): a generalized iterator's loop parameter may be of an
   anonymous access type. */
loop_parameter_subtype_indication
    : subtype_indication
    | access_definition
    ;

/* 5.5.3 (2022): a loop over what a procedure passes to the loop body: its
   parameters named, or given with their types, then the call. */
procedural_iterator
    : LEFT_PAREN defining_identifier_list RIGHT_PAREN OF name iterator_filter_opt
    | formal_part OF name iterator_filter_opt
    ;

iterator_filter_opt
    : %empty
    | WHEN expression
    ;

/* 5.5 (2022): the chunks of a parallel loop. The loop parameter is the
   bare IDENTIFIER: as a defining_identifier its state would merge with a
   statement's start, where a name followed by IN begins a membership test. */
chunk_specification
    : simple_expression
    | IDENTIFIER IN discrete_range
    ;

/* 5.1: a label stands as a statement of its own, so that labels may end a
   sequence (2012); code statements (13.8) read as procedure calls, since a
   qualified expression is a name; 6.5 (2005): the extended return
   statement; 5.6.1 (2022): the parallel block. */
statement
    : %inherit
    | %remove label statement
    | %remove code_statement
    | label
    | extended_return_statement
    | parallel_block_statement
    ;

%drop code_statement ;

/* 5.3, 5.4, 5.5: conditions are plain expressions (4.5.7 makes
   conditional expressions of them), and the case and loop heads are
   spelled out. */
cond_clause
    : expression THEN sequence_of_statements
    ;

case_statement
    : CASE expression IS pragma_list case_statement_alternative_list END CASE SEMICOLON
    ;

loop_statement
    : statement_identifier_opt iteration_scheme_opt LOOP sequence_of_statements END LOOP designator_opt SEMICOLON
    ;

iteration_scheme_opt
    : %empty
    | WHILE expression
    | FOR iteration
    | FOR procedural_iterator
    | PARALLEL FOR iteration
    | PARALLEL FOR procedural_iterator
    | PARALLEL LEFT_PAREN chunk_specification RIGHT_PAREN FOR iteration
    ;

%drop condition_then condition case_head iterator_head basic_loop ;

/* 11.2: spelled out likewise. */
exception_handler_part_opt
    : %inherit
    | %remove exception_handler_part
    | EXCEPTION pragma_list exception_handler_list
    ;

%drop exception_handler_part ;

/* 5.6.1 (2022): parallel blocks. */
parallel_block_statement
    : statement_identifier_opt PARALLEL DO handled_sequence_of_statements parallel_sequence_list END DO SEMICOLON
    ;

parallel_sequence_list
    : AND handled_sequence_of_statements
    | parallel_sequence_list AND handled_sequence_of_statements
    ;

/* 5.7: exit conditions are expressions. */
when_condition_opt
    : %inherit
    | %remove WHEN condition
    | WHEN expression
    ;

/* 6.5 (2005): extended return statements. */
extended_return_statement
    : RETURN defining_identifier COLON object_qualifier_opt return_object_subtype initialization_opt aspect_specification_opt SEMICOLON
    | RETURN defining_identifier COLON object_qualifier_opt return_object_subtype initialization_opt aspect_specification_opt DO handled_sequence_of_statements END RETURN SEMICOLON
    ;

return_object_subtype
    : subtype_indication
    | access_definition
    ;

/* 6.1, 8.3.1 (2005): a subprogram's head, with its overriding indicator and
   aspects, is common to all its forms; which one it is shows after it:
   6.7 (2005) null procedures, 6.8 (2012) expression functions, 12.3
   instantiations, 3.9.3 abstract subprograms. A function may return an
   anonymous access type (2005). */
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

%drop subprogram_specification_is subprogram_instantiation ;

subprogram_specification
    : %inherit
    | %remove FUNCTION designator formal_part_opt RETURN name
    | FUNCTION designator formal_part_opt RETURN return_subtype
        { unit_enter($2.text, IS_FUNCTION); }
    ;

/* 6.1: aliased parameters (2012), null exclusions and anonymous access
   types (2005). */
parameter_specification
    : defining_identifier_list COLON aliased_opt mode null_exclusion_opt mark initialization_opt
    | defining_identifier_list COLON aliased_opt mode access_definition initialization_opt
    ;

%drop parameter_subtype ;

mode
    : %inherit
    | %remove access_prefix
    ;

subprogram_body
    : subprogram_head IS declarative_part block_body END designator_opt SEMICOLON
        { library_unit_close(PROC, top_properties() | IS_BODY, $7); }
    ;

/* 7.1, 7.2, 12.3: packages and package instantiations take aspects. A
   package's name and aspects up to IS; its value is the name. */
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

package_specification
    : package_head package_spec_start basic_declarative_part private_part_opt END package_spec_end compound_name_opt
    ;

package_instantiation
    : package_head NEW name aspect_specification_opt
        { package_instantiation_add($1.text); }
    ;

%drop generic_instance_name ;

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

/* 8.4 (2012): use all type. */
use_clause
    : %inherit
    | USE ALL TYPE name_list SEMICOLON
    ;

/* 8.5: renamings take aspects (2012); an object renaming may name an
   anonymous access type (2005) or no subtype at all (2022). */
renaming_declaration
    : %inherit
    | %remove defining_identifier_list COLON object_qualifier_opt subtype_indication renames_part SEMICOLON
    | %remove defining_identifier_list COLON EXCEPTION renames_part SEMICOLON
    | object_renaming_declaration
    | defining_identifier_list COLON EXCEPTION RENAMES name aspect_specification_opt SEMICOLON
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

%drop renames_part ;

/* 9.1, 9.4: tasks and protected units take aspects and progenitor
   interfaces (2005). */
task_specification
    : TASK direct_name aspect_specification_opt task_definition_opt
        { unit_enter($2.text, IS_DECLARATION | IS_TASK); }
    | TASK TYPE direct_name discriminant_part_opt aspect_specification_opt task_definition_opt
        { unit_enter($3.text, IS_DECLARATION | IS_TYPE | IS_TASK); }
    ;

task_definition_opt
    : %inherit
    | %remove IS entry_declaration_list representation_clause_list task_private_part_opt END designator_opt
    | IS interface_inheritance_opt entry_declaration_list representation_clause_list task_private_part_opt END designator_opt
    ;

interface_inheritance_opt
    : %empty
    | NEW interface_list WITH
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

protected_specification
    : PROTECTED defining_identifier aspect_specification_opt IS interface_inheritance_opt protected_definition
    | PROTECTED TYPE direct_name discriminant_part_opt aspect_specification_opt IS interface_inheritance_opt protected_definition
    ;

protected_definition
    : protected_definition_start protected_operation_declaration_list protected_private_part_opt END designator_opt
        { protected_definition_leave(); }
    ;

/* A protected operation is a subprogram declaration in any of its forms,
   and a protected body may hold representation clauses (13.1). */
protected_operation_declaration
    : %inherit
    | %remove subprogram_specification SEMICOLON
    | subprogram_declaration
    ;

protected_body_start
    : %empty
        { unit_enter($0.text, IS_PROTECTED); }
    ;

protected_body
    : PROTECTED body_head protected_body_start protected_operation_item_list END designator_opt SEMICOLON
        { library_unit_close(BODY, IS_BODY | IS_PROTECTED, $7); }
    ;

protected_operation_item
    : %inherit
    | %remove subprogram_specification SEMICOLON
    | subprogram_declaration
    | representation_clause
    ;

/* 9.5.2: entries take an overriding indicator (2005) and aspects (2012);
   an entry body's family index is spelled out. */
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

/* 9.7: the four select statements spelled out in one rule: an entry call
   and a procedure call read alike, and a call on a synchronized
   interface's procedure (2005) may begin a conditional or timed call or an
   asynchronous select. */
select_statement
    : SELECT guarded_select_alternative or_select_alternative_list else_opt END SELECT SEMICOLON
    | SELECT pragma_list procedure_call_statement sequence_of_statements_opt ELSE sequence_of_statements END SELECT SEMICOLON
    | SELECT pragma_list procedure_call_statement sequence_of_statements_opt OR pragma_list delay_statement sequence_of_statements_opt END SELECT SEMICOLON
    | SELECT pragma_list triggering_alternative THEN ABORT sequence_of_statements END SELECT SEMICOLON
    ;

%drop selective_accept conditional_entry_call timed_entry_call asynchronous_select entry_call_statement ;

guarded_select_alternative
    : %inherit
    | %remove WHEN condition ARROW pragma_list select_alternative
    | WHEN expression ARROW pragma_list select_alternative
    ;

triggering_alternative
    : %inherit
    | %remove entry_call_statement sequence_of_statements_opt
    | procedure_call_statement sequence_of_statements_opt
    ;

/* 10.1.2: a context clause may begin with a use clause. */
context_clause
    : %inherit
    | use_clause context_item_list
    ;

/* 10.1.2 (2005): limited and private with clauses. */
with_clause
    : %inherit
    | LIMITED WITH compound_name_list SEMICOLON
        { with_clause_add($3.names); }
    | PRIVATE WITH compound_name_list SEMICOLON
        { with_clause_add($3.names); }
    | LIMITED PRIVATE WITH compound_name_list SEMICOLON
        { with_clause_add($4.names); }
    ;

/* 10.1.3: body stubs take aspects (2012). */
body_stub
    : TASK body_head SEPARATE aspect_specification_opt SEMICOLON
    | package_body_head SEPARATE aspect_specification_opt SEMICOLON
    | subprogram_head IS SEPARATE aspect_specification_opt SEMICOLON
        { library_unit_close(BODY, top_properties() | IS_BODY | IS_STUB, $5); }
    | PROTECTED body_head SEPARATE aspect_specification_opt SEMICOLON
    ;

/* 11.1: exceptions take aspects (2012). */
exception_declaration
    : defining_identifier_list COLON EXCEPTION aspect_specification_opt SEMICOLON
    ;

/* 11.3 (2005): a raise statement may give a message. */
raise_statement
    : RAISE SEMICOLON
    | RAISE name SEMICOLON
    | RAISE name WITH expression SEMICOLON
    ;

/* 12.1: generic subprograms take aspects (2012). */
generic_declaration
    : %inherit
    | %remove generic_formal_part subprogram_specification SEMICOLON
    | generic_formal_part subprogram_specification aspect_specification_opt SEMICOLON
        { library_unit_close(SPEC, top_properties() | IS_GENERIC | IS_DECLARATION, $4); }
    ;

/* 12.4 to 12.7: formal objects with null exclusions and anonymous access
   types (2005), formal incomplete types (2012), formal types with defaults
   (2022), formal packages with partial actuals (2005), all with aspects. */
generic_formal_parameter_declaration
    : %inherit
    | %remove parameter_specification SEMICOLON
    | %remove TYPE direct_name formal_discriminant_part_opt IS formal_type_definition SEMICOLON
    | %remove WITH PROCEDURE direct_name formal_part_opt subprogram_default_opt SEMICOLON
    | %remove WITH FUNCTION designator formal_part_opt RETURN name subprogram_default_opt SEMICOLON
    | %remove WITH PACKAGE direct_name IS NEW name LEFT_PAREN BOX RIGHT_PAREN SEMICOLON
    | %remove WITH PACKAGE direct_name IS NEW name SEMICOLON
    | defining_identifier_list COLON mode null_exclusion_opt mark initialization_opt aspect_specification_opt SEMICOLON
    | defining_identifier_list COLON mode access_definition initialization_opt aspect_specification_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt formal_default_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt IS TAGGED formal_default_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt IS formal_type_definition formal_default_opt aspect_specification_opt SEMICOLON
    | TYPE direct_name discriminant_part_opt IS formal_derived_type_definition SEMICOLON
    | WITH PROCEDURE direct_name formal_part_opt subprogram_default_opt aspect_specification_opt SEMICOLON
    | WITH FUNCTION designator formal_part_opt RETURN return_subtype subprogram_default_opt aspect_specification_opt SEMICOLON
    | WITH PACKAGE direct_name IS NEW name aspect_specification_opt SEMICOLON
    ;

%drop formal_discriminant_part_opt ;

formal_default_opt
    : %empty
    | OR USE name
    ;

/* 12.6 (2005): formal subprograms that default to null, or abstract ones. */
subprogram_default_opt
    : %inherit
    | IS NULL
    | IS ABSTRACT
    | IS ABSTRACT name
    | IS ABSTRACT BOX
    | IS ABSTRACT NULL
    ;

/* 12.5.1, 12.5.5 (2005): formal derived types like derived types, formal
   interface types. */
formal_type_definition
    : %inherit
    | %remove formal_derived_type_definition
    | interface_type_definition
    ;

/* Like a derived type, it takes its aspects itself. */
formal_derived_type_definition
    : derived_type_head
    | derived_type_head aspect_specification
    | derived_type_head OR USE name aspect_specification_opt
    | derived_type_head WITH PRIVATE formal_default_opt aspect_specification_opt
    ;

/* 13.3, 13.5.1, 13.5.3: the representation clauses spelled out in one
   rule; a record representation clause's END RECORD may repeat the type's
   name (2022). */
representation_clause
    : FOR mark USE expression SEMICOLON
    | FOR mark USE RECORD mod_clause_opt component_clause_list END RECORD designator_opt SEMICOLON
    | FOR mark USE AT expression SEMICOLON
    ;

%drop attribute_definition_clause record_representation_clause address_clause ;
